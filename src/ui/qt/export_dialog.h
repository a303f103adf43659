#pragma once
// The dialog "Экспорт...": which form the exported file takes, with the
// options of that form.

#include <QDialog>
#include <optional>

#include "ui/export_choice.h"

class QCheckBox;
class QComboBox;

namespace zg {

class ExportDialog : public QDialog {
  Q_OBJECT
 public:
  ExportDialog(const ExportChoice& initial, QWidget* parent);
  ExportChoice choice() const;
  QComboBox* formatBox() const { return format_; }

  // Shows the dialog; the choice, or nothing when cancelled.
  static std::optional<ExportChoice> Ask(QWidget* parent, const ExportChoice& initial);

 private:
  void showOptionsOfFormat();

  QComboBox* format_ = nullptr;
  QComboBox* flash_ = nullptr;
  QCheckBox* pictures_ = nullptr;
  QCheckBox* single_ = nullptr;
  QCheckBox* raw_ = nullptr;
};

}  // namespace zg
