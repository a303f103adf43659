#include "ui/qt/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <utility>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

#include "ui/qt/face_button.h"
#include "ui/qt/geometry.h"
#include "ui/qt/grid_widget.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/symbol_table_widget.h"
#include "ui/qt/window_font.h"
#include "ui/qt/wrap_check_box.h"
#include "ui/texts.h"

namespace zg {
namespace {

using Handler = void (Form1::*)();
constexpr std::pair<Ctl, Handler> kButtonHandlers[] = {
    {Ctl::Command1, &Form1::command1Click},   {Ctl::Command2, &Form1::command2Click},
    {Ctl::Command3, &Form1::command3Click},   {Ctl::Command4, &Form1::command4Click},
    {Ctl::Command5, &Form1::command5Click},   {Ctl::Command6, &Form1::command6Click},
    {Ctl::Command7, &Form1::command7Click},   {Ctl::Command8, &Form1::command8Click},
    {Ctl::Command9, &Form1::command9Click},   {Ctl::Command10, &Form1::command10Click},
    {Ctl::Command11, &Form1::command11Click},
};

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

QLabel* MakeLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  // Labels keep their designed box and wrap inside it, top-left aligned.
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

QComboBox* MakeFormatCombo(const auto& items, const std::string& text, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  // The save writes exactly what was typed: no completion, and without a
  // completer the combo no longer swaps a text for an item matching it in
  // another letter case when the field loses focus.
  combo->setCompleter(nullptr);
  // Typing a format picks it for this save only; the list stays as designed.
  combo->setInsertPolicy(QComboBox::NoInsert);
  for (const char* item : items) combo->addItem(Q(item));
  const QString initial = QString::fromStdString(text);
  const int index = combo->findText(initial, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) {
    combo->setCurrentIndex(index);
  } else {
    combo->setEditText(initial);
  }
  return combo;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : MainWindow(std::make_unique<QtPlatform>(), parent) {}

MainWindow::MainWindow(std::unique_ptr<QtPlatform> platform, QWidget* parent)
    : QWidget(parent), ownPlatform_(std::move(platform)), form(*ownPlatform_) {
  ownPlatform_->setDialogParent(this);
  ownPlatform_->setBeforeModal([this] { sync(); });
  build();
}

MainWindow::MainWindow(Platform& platform, QWidget* parent) : QWidget(parent), form(platform) {
  build();
}

MainWindow::~MainWindow() = default;

void MainWindow::build() {
  form.Load();
  const ScaledLayout& layout = form.layout;

  setWindowTitle(Q(text::kAppTitle));
  setFont(WindowFont(kWindowFontSize));
  setFixedSize(TwipsToPixels(layout.windowWidth), TwipsToPixels(layout.windowHeight));

  symbols_ = new SymbolTableWidget(form.model, layout, this);
  grid_ = new GridWidget(form.model, layout, this);
  connect(symbols_, &BoxArrayWidget::boxClicked, this,
          [this](int i) { run([this, i] { form.text1Click(i); }); });
  connect(grid_, &BoxArrayWidget::boxClicked, this,
          [this](int k) { run([this, k] { form.picture1Click(k); }); });
#if QT_CONFIG(sessionmanager)
  // A log-off or shutdown asks the same question as the close box.
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
    if (manager.allowsInteraction() && form.QueryUnload(CloseReason::SystemShutdown))
      manager.cancel();
  });
#endif

  for (std::size_t h = 0; h < layout.headings.size(); ++h) {
    QLabel* label = MakeLabel(QString::fromStdString(layout.headings[h].caption), this);
    label->setGeometry(TwipsToPixels(layout.headings[h].rect));
    label->setFont(WindowFont(layout.headingFontSizes[h]));
    headings_.push_back(label);
  }

  // The frame first: the controls inside it are its children.
  const auto& designs = DesignedControls();
  controls_[static_cast<std::size_t>(Ctl::Frame2)] = makeControl(DesignedControl(Ctl::Frame2));
  for (const ControlSpec& design : designs) {
    if (design.id != Ctl::Frame2) controls_[static_cast<std::size_t>(design.id)] = makeControl(design);
  }
  for (const ControlSpec& design : designs) {
    const auto i = static_cast<std::size_t>(design.id);
    controls_[i]->setGeometry(TwipsToPixels(layout.controls[i]));
    controls_[i]->setFont(WindowFont(layout.fontSizes[i], design.bold, design.italic));
  }
  sync();
}

QWidget* MainWindow::makeControl(const ControlSpec& design) {
  QWidget* parent = design.inFrame2 ? static_cast<QWidget*>(frame2_) : this;
  switch (design.kind) {
    case CtlKind::Button: {
      auto* button = new FaceButton(Q(design.caption), design.face, parent);
      for (const auto& [id, handler] : kButtonHandlers) {
        if (id != design.id) continue;
        connect(button, &QPushButton::clicked, this,
                [this, h = handler] { run([this, h] { (form.*h)(); }); });
      }
      return button;
    }
    case CtlKind::CheckBox: {
      check1_ = new WrapCheckBox(Q(design.caption), parent);
      // Only a user's click arrives here; sync() sets the box with signals blocked.
      connect(check1_, &QCheckBox::clicked, this,
              [this](bool checked) { run([this, checked] { form.setCheck1(checked ? 1 : 0); }); });
      return check1_;
    }
    case CtlKind::Frame:
      frame2_ = new QGroupBox(Q(design.caption), parent);
      return frame2_;
    case CtlKind::Combo: {
      const bool first = design.id == Ctl::Combo1;
      std::string& text = first ? form.window.combo1Text : form.window.combo2Text;
      QComboBox* combo = first ? MakeFormatCombo(kCombo1Items, text, parent)
                               : MakeFormatCombo(kCombo2Items, text, parent);
      // The logic reads the format when it saves; keep its copy current.
      const auto keep = [&text](const QString& now) { text = now.toStdString(); };
      connect(combo, &QComboBox::currentTextChanged, this, keep);
      connect(combo, &QComboBox::editTextChanged, this, keep);
      (first ? combo1_ : combo2_) = combo;
      return combo;
    }
    case CtlKind::Label: {
      const QString caption = design.id == Ctl::Label18 ? Q(text::kCredit) : Q(design.caption);
      QLabel* label = MakeLabel(caption, parent);
      if (design.id == Ctl::Label19) label19_ = label;
      return label;
    }
  }
  return nullptr;
}

void MainWindow::run(const std::function<void()>& handler) {
  handler();
  sync();
}

void MainWindow::sync() {
  const MainWindowState& state = form.window;
  for (const ControlSpec& design : DesignedControls())
    control(design.id)->setVisible(state.IsVisible(design.id));
  label19_->setText(QString::fromStdString(state.label19Caption));
  {
    const QSignalBlocker block(check1_);
    check1_->setChecked(state.check1Value != 0);
  }
  symbols_->update();
  grid_->update();
}

void MainWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The panel frames, in the colour the style gives the application workspace.
  painter.setPen(palette().color(QPalette::Dark));
  for (const auto& line : form.layout.lines) {
    painter.drawLine(TwipsToPixels(line[0]), TwipsToPixels(line[1]), TwipsToPixels(line[2]),
                     TwipsToPixels(line[3]));
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (form.QueryUnload(CloseReason::User)) {
    event->ignore();
  } else {
    event->accept();
  }
}

}  // namespace zg
