#include "ui/qt/main_window.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>
#include <utility>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

#include "ui/commands.h"
#include "ui/qt/face_button.h"
#include "ui/qt/geometry.h"
#include "ui/qt/grid_widget.h"
#include "ui/qt/preview_window.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/symbol_table_widget.h"
#include "ui/qt/window_font.h"
#include "ui/qt/wrap_check_box.h"
#include "ui/texts.h"

namespace zg {
namespace {

constexpr int kSymbolColumns = 16;  // the symbol table's row is 16 codes

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

// The designed window below the menu bar: every control sits on it at its
// twip position, and it draws the panel frames.
class DesignCanvas final : public QWidget {
 public:
  DesignCanvas(const ScaledLayout& layout, QWidget* parent) : QWidget(parent), layout_(layout) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    // The panel frames, in the colour the style gives the application workspace.
    painter.setPen(palette().color(QPalette::Dark));
    for (const auto& line : layout_.lines) {
      painter.drawLine(TwipsToPixels(line[0]), TwipsToPixels(line[1]), TwipsToPixels(line[2]),
                       TwipsToPixels(line[3]));
    }
  }

 private:
  const ScaledLayout& layout_;
};

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
  buildMenus();
  const int menuHeight = menuBar_->sizeHint().height();
  const int width = TwipsToPixels(layout.windowWidth);
  const int height = TwipsToPixels(layout.windowHeight);
  menuBar_->setGeometry(0, 0, width, menuHeight);
  canvas_ = new DesignCanvas(layout, this);
  canvas_->setGeometry(0, menuHeight, width, height);
  setFixedSize(width, menuHeight + height);

  symbols_ = new SymbolTableWidget(form.model, layout, form.codePage(), canvas_);
  grid_ = new GridWidget(form.model, layout, canvas_);
  connect(symbols_, &BoxArrayWidget::boxClicked, this,
          [this](int i) { run([this, i] { form.text1Click(i); }); });
  // The grid paints by strokes; a press and release on one box is a click.
  connect(grid_, &GridWidget::strokeStarted, this,
          [this](int k, bool right) { run([this, k, right] { form.strokeBegin(k, right); }); });
  connect(grid_, &GridWidget::strokeMoved, this,
          [this](int k) { run([this, k] { form.strokeMove(k); }); });
  connect(grid_, &GridWidget::strokeEnded, this, [this] { run([this] { form.strokeEnd(); }); });
  connect(grid_, &GridWidget::widthDragged, this,
          [this](int w) { run([this, w] { form.widthDrag(w); }); });
#if QT_CONFIG(sessionmanager)
  // A log-off or shutdown asks the same question as the close box.
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
    if (manager.allowsInteraction() && form.QueryUnload(CloseReason::SystemShutdown))
      manager.cancel();
  });
#endif

  for (std::size_t h = 0; h < layout.headings.size(); ++h) {
    QLabel* label = MakeLabel(QString::fromStdString(layout.headings[h].caption), canvas_);
    label->setGeometry(TwipsToPixels(layout.headings[h].rect));
    label->setFont(WindowFont(layout.headingFontSizes[h]));
    headings_.push_back(label);
  }

  makeControls(false);
  sync();
  symbols_->setFocus();
}

void MainWindow::buildMenus() {
  menuBar_ = new QMenuBar(this);
  QMenu* menu = nullptr;
  const char* menuTitle = nullptr;
  QMenu* submenu = nullptr;
  const char* submenuTitle = nullptr;
  QActionGroup* group = nullptr;  // the checkable items of a menu are exclusive
  for (const CommandRow& item : CommandTable()) {
    if (item.menu == nullptr) continue;  // a button's own
    if (menu == nullptr || std::string_view(item.menu) != menuTitle) {
      menuTitle = item.menu;
      menu = menuBar_->addMenu(Q(item.menu));
      group = new QActionGroup(menu);
      submenu = nullptr;
      submenuTitle = nullptr;
    }
    if (item.submenu != submenuTitle) {
      submenuTitle = item.submenu;
      if (item.separatorBefore) menu->addSeparator();
      submenu = submenuTitle != nullptr ? menu->addMenu(Q(submenuTitle)) : nullptr;
    } else if (item.separatorBefore) {
      (submenu != nullptr ? submenu : menu)->addSeparator();
    }
    QMenu* into = submenu != nullptr ? submenu : menu;
    QAction* action = into->addAction(Q(item.text));
    QList<QKeySequence> keys;
    for (const char* key : item.shortcuts) keys.append(QKeySequence(QString::fromLatin1(key)));
    action->setShortcuts(keys);
    if (item.checkable) {
      action->setCheckable(true);
      group->addAction(action);
    }
    const MenuCommand command = item.command;
    connect(action, &QAction::triggered, this, [this, command] { runMenu(command); });
    actions_[static_cast<std::size_t>(command)] = action;
  }
}

void MainWindow::runMenu(MenuCommand command) {
  switch (command) {
    case MenuCommand::Exit:
      close();  // through the same question as the close box
      return;
    case MenuCommand::Preview:
      showPreview();
      return;
    default:
      run([this, command] { form.RunMenu(command); });
  }
}

void MainWindow::showPreview() {
  if (preview_ == nullptr) {
    preview_ = new PreviewWindow(
        form.model, [this](char32_t c) { return SymbolIndexOf(form.codePage(), c).value_or(-1); },
        this);
  }
  preview_->refresh();
  preview_->show();
  preview_->raise();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // The keys of the symbol table: they reach the window from every widget
  // that does not use them itself (the table, the grid, the buttons).
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (mods == Qt::NoModifier) {
    int delta = 0;
    switch (event->key()) {
      case Qt::Key_Left:
        delta = -1;
        break;
      case Qt::Key_Right:
        delta = 1;
        break;
      case Qt::Key_Up:
        delta = -kSymbolColumns;
        break;
      case Qt::Key_Down:
        delta = kSymbolColumns;
        break;
      case Qt::Key_Home:
        run([this] { form.goToSymbol(0); });
        return;
      case Qt::Key_End:
        run([this] { form.goToSymbol(kSymbolCount - 1); });
        return;
      default:
        break;
    }
    if (delta != 0) {
      run([this, delta] { form.moveSymbol(delta); });
      return;
    }
  }
  const QString typed = event->text();
  if ((mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0 &&
      typed.size() >= 1 && typed.at(0).isPrint()) {
    const char32_t c = typed.toUcs4().value(0);
    run([this, c] { form.typeCharacter(c); });
    return;
  }
  QWidget::keyPressEvent(event);
}

QWidget* MainWindow::control(Ctl c) {
  if (controls_[static_cast<std::size_t>(c)] == nullptr) {
    makeControls(true);
    syncControls();
  }
  return controls_[static_cast<std::size_t>(c)];
}

// Start-up makes only the controls the first frame shows (two buttons and the
// labels); the rest, most of them hidden until a font is open, are made
// together the first time one is shown or asked for. Made in the designed
// order and raised in it, they stack and take the keyboard focus in turn as
// if all had been made at once.
void MainWindow::makeControls(bool all) {
  if (allControlsMade_) return;
  const ScaledLayout& layout = form.layout;
  const MainWindowState& state = form.window;
  const auto& designs = DesignedControls();
  const bool frameShown = std::any_of(designs.begin(), designs.end(), [&](const ControlSpec& d) {
    return (d.id == Ctl::Frame2 || d.inFrame2) && state.IsVisible(d.id);
  });
  const auto make = [&](const ControlSpec& design) {
    const auto i = static_cast<std::size_t>(design.id);
    const bool wanted =
        all || state.IsVisible(design.id) || (design.id == Ctl::Frame2 && frameShown);
    if (controls_[i] != nullptr || !wanted) return;
    controls_[i] = makeControl(design);
    controls_[i]->setGeometry(TwipsToPixels(layout.controls[i]));
    controls_[i]->setFont(WindowFont(layout.fontSizes[i], design.bold, design.italic));
  };
  // The frame first: the controls inside it are its children.
  make(DesignedControl(Ctl::Frame2));
  for (const ControlSpec& design : designs) make(design);
  if (!all) return;
  allControlsMade_ = true;
  controls_[static_cast<std::size_t>(Ctl::Frame2)]->raise();
  for (const ControlSpec& design : designs) {
    if (design.id != Ctl::Frame2) controls_[static_cast<std::size_t>(design.id)]->raise();
  }
}

QWidget* MainWindow::makeControl(const ControlSpec& design) {
  QWidget* parent = design.inFrame2 ? static_cast<QWidget*>(frame2_) : canvas_;
  switch (design.kind) {
    case CtlKind::Button: {
      auto* button = new FaceButton(Q(design.caption), design.face, parent);
      // A click leaves the keyboard with the symbol table.
      button->setFocusPolicy(Qt::TabFocus);
      for (const CommandRow& row : CommandTable()) {
        if (row.button != design.id) continue;
        connect(button, &QPushButton::clicked, this,
                [this, c = row.command] { run([this, c] { form.RunMenu(c); }); });
      }
      return button;
    }
    case CtlKind::CheckBox: {
      check1_ = new WrapCheckBox(Q(design.caption), parent);
      check1_->setFocusPolicy(Qt::TabFocus);
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
  syncControls();
  const MenuStates menus = form.Menus();
  for (std::size_t i = 0; i < kMenuCommandCount; ++i) {
    if (actions_[i] == nullptr) continue;
    actions_[i]->setEnabled(menus[i].enabled);
    actions_[i]->setText(QString::fromStdString(menus[i].text));
    if (actions_[i]->isCheckable()) actions_[i]->setChecked(menus[i].checked);
  }
  symbols_->setCodePage(form.codePage());
  if (preview_ != nullptr) preview_->refresh();
  symbols_->update();
  grid_->update();
}

void MainWindow::syncControls() {
  const MainWindowState& state = form.window;
  const auto& designs = DesignedControls();
  const bool showsUnmade = std::any_of(designs.begin(), designs.end(), [&](const ControlSpec& d) {
    return state.IsVisible(d.id) && controls_[static_cast<std::size_t>(d.id)] == nullptr;
  });
  if (showsUnmade) makeControls(true);
  for (const ControlSpec& design : designs) {
    QWidget* widget = controls_[static_cast<std::size_t>(design.id)];
    if (widget != nullptr) widget->setVisible(state.IsVisible(design.id));
  }
  if (label19_ != nullptr) label19_->setText(QString::fromStdString(state.label19Caption));
  if (check1_ != nullptr) {
    const QSignalBlocker block(check1_);
    check1_->setChecked(state.check1Value != 0);
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
