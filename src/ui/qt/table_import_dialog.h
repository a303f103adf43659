#pragma once
// The dialog "Импорт таблицы": the whole table as pictures, read with the
// layout, first code, header, stride, glyph offset, array and polarity the
// controls hold; it opens with what detection found and redraws on every
// change. It changes nothing itself and returns the user's choice.

#include <QDialog>
#include <optional>

#include "ui/table_import_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zg {

class TablePreviewWidget;

class TableImportDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TableImportDialog(TableImportRequest request, QWidget* parent = nullptr);

  // Shows the dialog; nothing on cancel.
  static std::optional<TableImportChoice> Ask(QWidget* parent, const TableImportRequest& request);

  // The choice the controls hold; nothing while the layout is impossible.
  std::optional<TableImportChoice> choice() const { return choice_; }
  void setChoice(const TableImportChoice& choice);

  QSpinBox* widthBox() const { return width_; }
  QSpinBox* heightBox() const { return height_; }
  QComboBox* scanBox() const { return scan_; }
  QComboBox* bitOrderBox() const { return bitOrder_; }
  QComboBox* bandOrderBox() const { return bandOrder_; }
  QSpinBox* firstCodeBox() const { return firstCode_; }
  QSpinBox* skipBox() const { return skip_; }
  QSpinBox* strideBox() const { return stride_; }
  QSpinBox* offsetBox() const { return offset_; }
  QCheckBox* negativeBox() const { return negative_; }
  QComboBox* arrayBox() const { return array_; }
  QLabel* foundLabel() const { return found_; }
  QLabel* messageLabel() const { return message_; }
  QPushButton* importButton() const { return ok_; }
  TablePreviewWidget* preview() const { return preview_; }

  // Reads the controls and redraws the table: what every change runs.
  void refresh();

 private:
  // The layout the cell and scan controls hold, and the bytes it takes.
  Layout readLayout() const;
  void cellChanged();
  void nameBitOrders();

  TableImportRequest request_;
  std::optional<TableImportChoice> choice_;
  TableLayout shown_;     // what the controls held at the last refresh
  bool loading_ = false;  // setting controls in code: one refresh at the end

  QComboBox* array_ = nullptr;
  QSpinBox* width_ = nullptr;
  QSpinBox* height_ = nullptr;
  QComboBox* scan_ = nullptr;
  QComboBox* bitOrder_ = nullptr;
  QComboBox* bandOrder_ = nullptr;
  QSpinBox* firstCode_ = nullptr;
  QSpinBox* skip_ = nullptr;
  QSpinBox* stride_ = nullptr;
  QSpinBox* offset_ = nullptr;
  QCheckBox* negative_ = nullptr;
  QLabel* found_ = nullptr;
  QLabel* message_ = nullptr;
  TablePreviewWidget* preview_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace zg
