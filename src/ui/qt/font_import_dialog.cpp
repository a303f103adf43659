#include "ui/qt/font_import_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/font_import_texts.h"
#include "ui/qt/glyph_preview_widget.h"
#include "ui/qt/installed_fonts.h"
#include "ui/qt/qt_texts.h"

namespace zg {
namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }
QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

// Codes of the preview: Latin letters and digits, then letters of the upper
// half, whatever the code page puts there.
constexpr int kSampleCodes[] = {0x41, 0x42, 0x61, 0x67, 0x30, 0x25,
                                0xC0, 0xC1, 0xC6, 0xE0, 0xE4, 0xFF};

const char* const kGroup = "fontImport";

QString CellKey(int ncol, int nstr) { return QStringLiteral("%1x%2").arg(ncol).arg(nstr); }

QSpinBox* SpinBox(int lo, int hi, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(lo, hi);
  return box;
}

QLineEdit* CodeEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(4);
  edit->setMaximumWidth(48);
  return edit;
}

}  // namespace

FontImportDialog::FontImportDialog(const Layout& layout, CodePage codePage,
                                   std::span<const std::uint8_t> currentGlyphs, QWidget* parent)
    : QDialog(parent), layout_(layout), codePage_(codePage) {
  setWindowTitle(Q(text::kFontImportTitle));
  setModal(true);
  const auto cb = static_cast<std::size_t>(layout.BytesPerGlyph());
  current_.assign(currentGlyphs.begin(),
                  currentGlyphs.begin() + static_cast<std::ptrdiff_t>(
                                              std::min(currentGlyphs.size(), kSymbolCount * cb)));
  current_.resize(kSymbolCount * cb, 0);

  loading_ = true;
  auto* source = new QButtonGroup(this);
  fromFile_ = new QRadioButton(Q(text::kFontImportFromFile), this);
  fromSystem_ = new QRadioButton(Q(text::kFontImportFromSystem), this);
  source->addButton(fromFile_);
  source->addButton(fromSystem_);
  fromFile_->setChecked(true);
  path_ = new QLineEdit(this);
  path_->setMinimumWidth(320);
  browse_ = new QPushButton(Q(text::kFontImportBrowse), this);
  family_ = new QComboBox(this);
  family_->addItems(QFontDatabase::families());
  family_->setCurrentIndex(-1);
  style_ = new QComboBox(this);

  face_ = SpinBox(0, 0, this);
  size_ = SpinBox(1, 255, this);
  size_->setValue(std::clamp(layout.height, 1, 255));
  mode_ = new QComboBox(this);
  mode_->addItem(Q(text::kFontImportMono));
  mode_->addItem(Q(text::kFontImportAntiAliased));
  threshold_ = SpinBox(0, 255, this);
  threshold_->setValue(128);
  align_ = new QComboBox(this);
  align_->addItem(Q(text::kFontImportCenter));
  align_->addItem(Q(text::kFontImportLeft));
  offsetX_ = SpinBox(-kGridSide, kGridSide, this);
  offsetY_ = SpinBox(-kGridSide, kGridSide, this);
  keepAdvances_ = new QCheckBox(Q(text::kFontImportKeepAdvances), this);

  auto* symbols = new QButtonGroup(this);
  all_ = new QRadioButton(Q(text::kFontImportAll), this);
  emptyOnly_ = new QRadioButton(Q(text::kFontImportEmptyOnly), this);
  range_ = new QRadioButton(Q(text::kFontImportRange), this);
  for (QRadioButton* b : {all_, emptyOnly_, range_}) symbols->addButton(b);
  all_->setChecked(true);
  from_ = CodeEdit(this);
  to_ = CodeEdit(this);
  from_->setText(Q(CodeText(kFirstCode)));
  to_->setText(Q(CodeText(kFirstCode + kSymbolCount - 1)));

  preview_ = new GlyphPreviewWidget(this);
  preview_->setCell(layout);
  message_ = new QLabel(this);
  message_->setTextFormat(Qt::PlainText);
  message_->setWordWrap(true);
  clip_ = new QLabel(this);
  clip_->setTextFormat(Qt::PlainText);
  clip_->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(Q(text::kFontImportOk), QDialogButtonBox::AcceptRole);
  auto* cancel = buttons->addButton(Q(text::kFontImportCancel), QDialogButtonBox::RejectRole);
  ok_->setDefault(true);

  auto* grid = new QGridLayout;
  grid->addWidget(fromFile_, 0, 0);
  grid->addWidget(path_, 0, 1);
  grid->addWidget(browse_, 0, 2);
  grid->addWidget(fromSystem_, 1, 0);
  grid->addWidget(family_, 1, 1);
  grid->addWidget(style_, 1, 2);

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  form->addRow(Q(text::kFontImportFace), face_);
  form->addRow(Q(text::kFontImportSize), size_);
  auto* modeRow = new QHBoxLayout;
  modeRow->addWidget(mode_);
  modeRow->addWidget(new QLabel(Q(text::kFontImportThreshold), this));
  modeRow->addWidget(threshold_);
  modeRow->addStretch();
  form->addRow(Q(text::kFontImportMode), modeRow);
  auto* alignRow = new QHBoxLayout;
  alignRow->addWidget(align_);
  alignRow->addWidget(new QLabel(Q(text::kFontImportOffsetX), this));
  alignRow->addWidget(offsetX_);
  alignRow->addWidget(new QLabel(Q(text::kFontImportOffsetY), this));
  alignRow->addWidget(offsetY_);
  alignRow->addStretch();
  form->addRow(Q(text::kFontImportAlign), alignRow);
  form->addRow(QString(), keepAdvances_);
  auto* rangeRow = new QHBoxLayout;
  rangeRow->addWidget(all_);
  rangeRow->addWidget(emptyOnly_);
  rangeRow->addWidget(range_);
  rangeRow->addWidget(from_);
  rangeRow->addWidget(new QLabel(Q(text::kFontImportRangeTo), this));
  rangeRow->addWidget(to_);
  rangeRow->addStretch();
  form->addRow(Q(text::kFontImportSymbols), rangeRow);

  auto* column = new QVBoxLayout(this);
  column->addLayout(grid);
  column->addLayout(form);
  column->addWidget(new QLabel(Q(text::kFontImportPreview), this));
  column->addWidget(preview_);
  column->addWidget(clip_);
  column->addWidget(message_);
  column->addWidget(buttons);

  const auto changed = [this] { refresh(); };
  connect(fromFile_, &QRadioButton::toggled, this, changed);
  connect(path_, &QLineEdit::textChanged, this, changed);
  connect(browse_, &QPushButton::clicked, this, [this] { browse(); });
  connect(family_, &QComboBox::currentIndexChanged, this, [this] {
    fillStyles();
    fromSystem_->setChecked(true);
    refresh();
  });
  connect(style_, &QComboBox::currentIndexChanged, this, changed);
  connect(size_, &QSpinBox::valueChanged, this, [this] {
    if (!loading_) sizeChosen_ = true;
    refresh();
  });
  for (QSpinBox* box : {face_, threshold_, offsetX_, offsetY_}) {
    connect(box, &QSpinBox::valueChanged, this, changed);
  }
  connect(mode_, &QComboBox::currentIndexChanged, this, changed);
  connect(align_, &QComboBox::currentIndexChanged, this, changed);
  // The font's advances count from its origin: from the left edge they are
  // its own spacing, centred they would take the room before the origin too.
  connect(keepAdvances_, &QCheckBox::toggled, this, [this](bool on) {
    if (on && !loading_) align_->setCurrentIndex(1);
    refresh();
  });
  for (QRadioButton* b : {all_, emptyOnly_, range_}) {
    connect(b, &QRadioButton::toggled, this, changed);
  }
  connect(from_, &QLineEdit::textChanged, this, changed);
  connect(to_, &QLineEdit::textChanged, this, changed);
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (choice_) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  loading_ = false;
  refresh();
}

std::optional<FontImportChoice> FontImportDialog::Ask(QWidget* parent, const Layout& layout,
                                                      CodePage codePage,
                                                      std::span<const std::uint8_t> currentGlyphs) {
  FontImportDialog dialog(layout, codePage, currentGlyphs, parent);
  dialog.loadSettings();
  if (dialog.exec() != QDialog::Accepted || !dialog.choice()) return std::nullopt;
  dialog.saveSettings();
  return dialog.choice();
}

void FontImportDialog::setChoice(const FontImportChoice& c) {
  applyChoice(c, true);
  refresh();
}

void FontImportDialog::applyChoice(const FontImportChoice& c, bool sizeChosen) {
  const bool wasLoading = loading_;
  loading_ = true;
  sizeChosen_ = sizeChosen;
  fromFile_->setChecked(true);
  path_->setText(Q(c.fontPath));
  face_->setMaximum(std::max(face_->maximum(), c.faceIndex));
  face_->setValue(c.faceIndex);
  size_->setValue(c.pixelSize);
  mode_->setCurrentIndex(c.mode == RenderMode::AntiAliased ? 1 : 0);
  threshold_->setValue(c.threshold);
  align_->setCurrentIndex(c.align == HAlign::Left ? 1 : 0);
  offsetX_->setValue(c.offsetX);
  offsetY_->setValue(c.offsetY);
  keepAdvances_->setChecked(c.keepAdvances);
  switch (c.range.kind) {
    case FillRange::Kind::All:
      all_->setChecked(true);
      break;
    case FillRange::Kind::EmptyOnly:
      emptyOnly_->setChecked(true);
      break;
    case FillRange::Kind::Codes:
      range_->setChecked(true);
      from_->setText(Q(CodeText(c.range.from)));
      to_->setText(Q(CodeText(c.range.to)));
      break;
  }
  loading_ = wasLoading;
}

void FontImportDialog::setInstalledFont(const QString& family, const QString& style) {
  loading_ = true;
  family_->setCurrentIndex(family_->findText(family, Qt::MatchFixedString));
  fillStyles();
  if (!style.isEmpty()) style_->setCurrentIndex(std::max(0, style_->findText(style)));
  fromSystem_->setChecked(true);
  loading_ = false;
  refresh();
}

void FontImportDialog::loadSettings() {
  QSettings settings;
  settings.beginGroup(kGroup);
  FontImportChoice c;
  c.fontPath = settings.value("path").toString().toStdString();
  c.faceIndex = settings.value("faceIndex", 0).toInt();
  // A size the user set is kept for the same cell; else each font fits.
  const bool sizeChosen =
      settings.contains("pixelSize") &&
      settings.value("sizeCell").toString() == CellKey(layout_.width, layout_.height);
  c.pixelSize = sizeChosen ? settings.value("pixelSize").toInt() : size_->value();
  c.mode =
      settings.value("antiAliased", false).toBool() ? RenderMode::AntiAliased : RenderMode::Mono;
  c.threshold = settings.value("threshold", 128).toInt();
  c.align = settings.value("alignLeft", false).toBool() ? HAlign::Left : HAlign::Center;
  c.offsetX = settings.value("offsetX", 0).toInt();
  c.offsetY = settings.value("offsetY", 0).toInt();
  c.keepAdvances = settings.value("keepAdvances", false).toBool();
  const QString range = settings.value("range").toString();
  if (range == QLatin1String("empty")) {
    c.range = FillRange::EmptyOnly();
  } else if (range == QLatin1String("codes")) {
    c.range = FillRange::Codes(settings.value("from", kFirstCode).toInt(),
                               settings.value("to", kFirstCode + kSymbolCount - 1).toInt());
  }
  applyChoice(c, sizeChosen);
  if (settings.value("source").toString() == QLatin1String("installed")) {
    setInstalledFont(settings.value("family").toString(), settings.value("style").toString());
  } else {
    refresh();
  }
}

void FontImportDialog::saveSettings() const {
  QSettings settings;
  settings.beginGroup(kGroup);
  settings.setValue("source", fromSystem_->isChecked() ? "installed" : "file");
  settings.setValue("path", path_->text());
  settings.setValue("family", family_->currentText());
  settings.setValue("style", style_->currentText());
  settings.setValue("faceIndex", face_->value());
  if (sizeChosen_) {
    settings.setValue("pixelSize", size_->value());
    settings.setValue("sizeCell", CellKey(layout_.width, layout_.height));
  } else {
    settings.remove("pixelSize");
    settings.remove("sizeCell");
  }
  settings.setValue("antiAliased", mode_->currentIndex() == 1);
  settings.setValue("threshold", threshold_->value());
  settings.setValue("alignLeft", align_->currentIndex() == 1);
  settings.setValue("offsetX", offsetX_->value());
  settings.setValue("offsetY", offsetY_->value());
  settings.setValue("keepAdvances", keepAdvances_->isChecked());
  settings.setValue("range", range_->isChecked()       ? "codes"
                             : emptyOnly_->isChecked() ? "empty"
                                                       : "all");
  settings.setValue("from", ParseCode(from_->text().toStdString()).value_or(kFirstCode));
  settings.setValue("to", ParseCode(to_->text().toStdString()).value_or(0xFF));
}

void FontImportDialog::browse() {
  QFileDialog dialog(this, Q(text::kFontImportFileTitle), QFileInfo(path_->text()).absolutePath(),
                     Q(text::kFontImportFileFilter));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setLabelText(QFileDialog::Accept, Q(qt_text::kOpen));
  dialog.setLabelText(QFileDialog::Reject, Q(qt_text::kCancel));
  dialog.setLabelText(QFileDialog::LookIn, Q(qt_text::kLookIn));
  dialog.setLabelText(QFileDialog::FileName, Q(qt_text::kFileName));
  dialog.setLabelText(QFileDialog::FileType, Q(qt_text::kFileType));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  loading_ = true;
  fromFile_->setChecked(true);
  path_->setText(dialog.selectedFiles().first());
  face_->setValue(0);
  loading_ = false;
  refresh();
}

void FontImportDialog::fillStyles() {
  const bool wasLoading = loading_;
  loading_ = true;
  style_->clear();
  if (family_->currentIndex() >= 0) {
    style_->addItems(QFontDatabase::styles(family_->currentText()));
  }
  loading_ = wasLoading;
}

std::optional<FontImportChoice> FontImportDialog::readControls(std::string& problem) const {
  FontImportChoice c;
  if (fromFile_->isChecked()) {
    c.fontPath = path_->text().trimmed().toStdString();
    c.faceIndex = face_->value();
  } else if (const auto found = FindInstalledFont(family_->currentText(), style_->currentText())) {
    c.fontPath = found->path.toStdString();
    c.faceIndex = found->faceIndex;
  }
  if (c.fontPath.empty()) {
    problem = text::kFontImportNoFont;
    return std::nullopt;
  }
  c.pixelSize = size_->value();
  c.mode = mode_->currentIndex() == 1 ? RenderMode::AntiAliased : RenderMode::Mono;
  c.threshold = threshold_->value();
  c.align = align_->currentIndex() == 1 ? HAlign::Left : HAlign::Center;
  c.offsetX = offsetX_->value();
  c.offsetY = offsetY_->value();
  c.keepAdvances = keepAdvances_->isChecked();
  if (emptyOnly_->isChecked()) c.range = FillRange::EmptyOnly();
  if (range_->isChecked()) {
    const auto from = ParseCode(from_->text().toStdString());
    const auto to = ParseCode(to_->text().toStdString());
    if (!from || !to || *from > *to) {
      problem = text::kFontImportBadRange;
      return std::nullopt;
    }
    c.range = FillRange::Codes(*from, *to);
  }
  return c;
}

void FontImportDialog::refresh() {
  if (loading_) return;
  face_->setEnabled(fromFile_->isChecked());
  threshold_->setEnabled(mode_->currentIndex() == 1);
  from_->setEnabled(range_->isChecked());
  to_->setEnabled(range_->isChecked());
  choice_.reset();
  ok_->setEnabled(false);

  std::string problem;
  std::optional<FontImportChoice> c = readControls(problem);
  const auto fail = [this](const std::string& why) {
    preview_->setGlyphs({});
    clip_->clear();
    message_->setText(Q(why));
  };
  if (!c) return fail(problem);
  GlyphImportRequest request = ImportRequest(*c, layout_);
  request.options.fitSize = !sizeChosen_;
  const GlyphRenderer::Result opened = GlyphRenderer::Open(request);
  if (!opened) return fail(ImportErrorText(opened.failure, c->pixelSize, c->faceIndex));
  const GlyphRenderer& renderer = *opened.renderer;
  c->pixelSize = renderer.options().pixelSize;
  const bool wasLoading = loading_;
  loading_ = true;
  size_->setValue(c->pixelSize);
  if (fromFile_->isChecked()) face_->setMaximum(std::max(0, renderer.faceCount() - 1));
  loading_ = wasLoading;

  // The whole import into a copy, "only empty" included: the samples show
  // it, and every glyph it cuts is named.
  const auto& page = CodePageCharacters(codePage_);
  std::vector<std::uint8_t> glyphs = current_;
  // Widths only when kept: 0 shows no width line.
  std::vector<std::uint8_t> widths(c->keepAdvances ? kSymbolCount : 0, 0);
  const FillSummary summary = FillGlyphs(renderer, page, c->range, glyphs, widths);
  const auto cb = glyphs.size() / kSymbolCount;
  std::vector<PreviewGlyph> shown;
  for (const int code : kSampleCodes) {
    const auto i = static_cast<std::size_t>(code - kFirstCode);
    if (page[i] == 0) continue;
    shown.push_back(
        {Q(Utf8(page[i])),
         std::vector<std::uint8_t>(glyphs.begin() + static_cast<std::ptrdiff_t>(i * cb),
                                   glyphs.begin() + static_cast<std::ptrdiff_t>((i + 1) * cb)),
         i < widths.size() ? widths[i] : 0});
  }
  preview_->setGlyphs(std::move(shown));
  clip_->setText(Q(ClippedText(summary)));
  message_->setText(Q(renderer.faceName()));
  choice_ = c;
  ok_->setEnabled(true);
}

}  // namespace zg
