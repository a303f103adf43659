#pragma once
// The main window: every control of the designed layout, bound to a Form1.
// The logic decides; after each handler the window applies its state once.

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "ui/form1.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QAction;
class QLabel;
class QMenuBar;

namespace zg {

class GridWidget;
class PreviewWindow;
class QtPlatform;
class SymbolTableWidget;

class MainWindow : public QWidget {
  Q_OBJECT
  // Declared before `form`, which keeps a reference to it.
  std::unique_ptr<QtPlatform> ownPlatform_;

 public:
  // The program's window, talking to the user through Qt.
  explicit MainWindow(QWidget* parent = nullptr);
  // A window whose dialogs and files go through `platform` (tests script it).
  explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The control, made now if it has not been shown yet (see makeControls).
  QWidget* control(Ctl c);
  // The designed layout, below the menu bar; control positions are relative to it.
  QWidget* canvas() const { return canvas_; }
  QMenuBar* menuBar() const { return menuBar_; }
  QAction* action(MenuCommand c) const { return actions_[static_cast<std::size_t>(c)]; }
  // The "Просмотр" window once it has been opened, else null.
  PreviewWindow* preview() const { return preview_; }
  SymbolTableWidget* symbolTable() const { return symbols_; }
  GridWidget* grid() const { return grid_; }
  // Label1(0..15), then Label4..Label17.
  const std::vector<QLabel*>& headings() const { return headings_; }

  // Runs one event handler of the logic, then shows its outcome.
  void run(const std::function<void()>& handler);

  Form1 form;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  MainWindow(std::unique_ptr<QtPlatform> platform, QWidget* parent);
  void build();
  void buildMenus();
  void runMenu(MenuCommand command);
  void showPreview();
  void makeControls(bool all);
  QWidget* makeControl(const ControlSpec& design);
  void sync();
  void syncControls();

  std::array<QWidget*, kCtlCount> controls_{};  // null until made
  bool allControlsMade_ = false;
  std::array<QAction*, kMenuCommandCount> actions_{};
  QMenuBar* menuBar_ = nullptr;
  QWidget* canvas_ = nullptr;
  PreviewWindow* preview_ = nullptr;
  std::vector<QLabel*> headings_;
  SymbolTableWidget* symbols_ = nullptr;
  GridWidget* grid_ = nullptr;
  QGroupBox* frame2_ = nullptr;
  QCheckBox* check1_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  QLabel* label19_ = nullptr;
};

}  // namespace zg
