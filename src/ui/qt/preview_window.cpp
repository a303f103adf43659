#include "ui/qt/preview_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ops/glyph_bytes.h"

namespace zg {
namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr const char* kGeometryKey = "preview/geometry";
constexpr const char* kTextKey = "preview/text";
constexpr const char* kScaleKey = "preview/scale";
constexpr const char* kLookKey = "preview/look";
constexpr const char* kDefaultText = "Знакогенератор 0123456789";
constexpr int kDefaultScale = 2;

// Paints the window's rendered line, rendering it in the paint itself so that
// any number of refreshes before a frame cost one rendering.
class PreviewPanel : public QWidget {
 public:
  explicit PreviewPanel(const PreviewWindow& window) : window_(window) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const PreviewImage image = window_.render();
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (image.width <= 0 || image.height <= 0) return;
    const QImage view(reinterpret_cast<const uchar*>(image.argb.data()), image.width, image.height,
                      image.width * 4, QImage::Format_ARGB32);
    painter.drawImage(0, 0, view);
  }

 private:
  const PreviewWindow& window_;
};

}  // namespace

PreviewWindow::PreviewWindow(const FontModel& model, std::function<int(char32_t)> symbolOf,
                             QWidget* parent)
    : QWidget(parent, Qt::Tool), model_(model), symbolOf_(std::move(symbolOf)) {
  setWindowTitle(Q("Просмотр"));
  const QSettings settings;

  text_ = new QLineEdit(settings.value(kTextKey, Q(kDefaultText)).toString(), this);
  scale_ = new QSpinBox(this);
  scale_->setRange(kMinPreviewScale, kMaxPreviewScale);
  scale_->setValue(settings.value(kScaleKey, kDefaultScale).toInt());
  look_ = new QComboBox(this);
  for (const DisplayLook look : kDisplayLooks) {
    const std::string_view name = DisplayLookName(look);
    look_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }
  look_->setCurrentIndex(std::clamp(settings.value(kLookKey, 0).toInt(), 0,
                                    static_cast<int>(kDisplayLooks.size()) - 1));

  panel_ = new PreviewPanel(*this);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(panel_);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(Q("Текст:"), this));
  controls->addWidget(text_, 1);
  controls->addWidget(new QLabel(Q("Масштаб:"), this));
  controls->addWidget(scale_);
  controls->addWidget(new QLabel(Q("Вид:"), this));
  controls->addWidget(look_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(scroll, 1);

  connect(text_, &QLineEdit::textChanged, this, [this] {
    refresh();
    saveSettings();
  });
  connect(scale_, &QSpinBox::valueChanged, this, [this] {
    refresh();
    saveSettings();
  });
  connect(look_, &QComboBox::currentIndexChanged, this, [this] {
    refresh();
    saveSettings();
  });

  if (const QByteArray geometry = settings.value(kGeometryKey).toByteArray(); !geometry.isEmpty()) {
    placed_ = restoreGeometry(geometry);
  }
  if (!placed_) resize(480, 160);
  refresh();
}

PreviewWindow::~PreviewWindow() { saveSettings(); }

PreviewImage PreviewWindow::render() const {
  const Layout layout = LayoutOf(model_);
  const auto bytes = static_cast<std::size_t>(layout.BytesPerGlyph());
  const auto glyphs = std::span<const std::uint8_t>(model_.glyphStore)
                          .first(std::min(bytes * kSymbolCount, model_.glyphStore.size()));
  if (model_.cb <= 0) return {};
  return RenderPreview(glyphs, layout, model_.pos == 0, symbols_, scale_->value(),
                       kDisplayLooks[static_cast<std::size_t>(look_->currentIndex())], widths());
}

std::span<const std::uint8_t> PreviewWindow::widths() const {
  if (!model_.proportional) return {};
  return model_.widths;
}

void PreviewWindow::refresh() {
  // The characters are looked up again, as the code page may have changed.
  symbols_.clear();
  for (const char32_t c : text_->text().toUcs4()) {
    symbols_.push_back(symbolOf_ ? symbolOf_(c) : -1);
  }
  // The size follows from the parameters alone, so the panel is not rendered here.
  const int s = scale_->value();
  const bool font = model_.cb > 0;
  panel_->setMinimumSize(font ? PreviewTextWidth(model_.ncol, symbols_, widths()) * s : 0,
                         font ? model_.nstr * s : 0);
  panel_->update();
}

void PreviewWindow::showEvent(QShowEvent* event) {
  // Beside the main window the first time; where the user left it after that.
  if (!placed_ && parentWidget() != nullptr) {
    move(parentWidget()->frameGeometry().topRight() + QPoint(8, 0));
  }
  placed_ = true;
  QWidget::showEvent(event);
}

void PreviewWindow::hideEvent(QHideEvent* event) {
  saveSettings();
  QWidget::hideEvent(event);
}

void PreviewWindow::saveSettings() const {
  QSettings settings;
  settings.setValue(kTextKey, text_->text());
  settings.setValue(kScaleKey, scale_->value());
  settings.setValue(kLookKey, look_->currentIndex());
  if (placed_) settings.setValue(kGeometryKey, saveGeometry());
}

}  // namespace zg
