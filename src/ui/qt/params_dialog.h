#pragma once
// The parameters dialog bound to a Form2: it forwards each user action to the
// logic and shows the logic's state; only the logic decides when it closes.

#include <QDialog>

#include "ui/form2.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zg {

class ParamsDialog : public QDialog {
  Q_OBJECT
 public:
  // Runs the dialog's Load on `form2` and shows its state.
  explicit ParamsDialog(Form2& form2, QWidget* parent = nullptr);

  QComboBox* sizeList() const { return combo1_; }
  QRadioButton* verticalOption() const { return option1_; }
  QRadioButton* horizontalOption() const { return option2_; }
  QCheckBox* negativeBox() const { return check1_; }
  QSpinBox* widthBox() const { return width_; }
  QSpinBox* heightBox() const { return height_; }
  QPushButton* confirmButton() const { return command1_; }
  QPushButton* cancelButton() const { return command2_; }

  // Esc does nothing: only the two buttons end the dialog.
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void run(void (Form2::*handler)());
  void sync();

  Form2& form2_;
  QComboBox* combo1_ = nullptr;
  QRadioButton* option1_ = nullptr;
  QRadioButton* option2_ = nullptr;
  QCheckBox* check1_ = nullptr;
  QSpinBox* width_ = nullptr;  // another cell's width and height
  QSpinBox* height_ = nullptr;
  QLabel* times_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
};

}  // namespace zg
