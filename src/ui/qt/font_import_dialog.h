#pragma once
// The dialog "Импорт из шрифта...": which font, at which size and how to
// place it, and which symbols to fill. It opens the font on every change to
// show a preview and says in words why a font cannot be used and which
// glyphs the cell would cut; it changes nothing itself and returns the
// user's choice. Until the user sets a size, each font is shown at the
// largest size whose line fits the cell above its margin.

#include <QDialog>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/code_page.h"
#include "ui/font_import_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zg {

class GlyphPreviewWidget;

class FontImportDialog : public QDialog {
  Q_OBJECT
 public:
  // `currentGlyphs`: the font being edited (224 glyphs of the cell), so that
  // the preview shows what "only empty" keeps.
  FontImportDialog(const Layout& layout, CodePage codePage,
                   std::span<const std::uint8_t> currentGlyphs, QWidget* parent = nullptr);

  // Shows the dialog with the options of its last use; nothing on cancel.
  static std::optional<FontImportChoice> Ask(QWidget* parent, const Layout& layout,
                                             CodePage codePage,
                                             std::span<const std::uint8_t> currentGlyphs);

  // The choice the controls hold; nothing while it cannot be imported.
  std::optional<FontImportChoice> choice() const { return choice_; }
  void setChoice(const FontImportChoice& choice);
  // The installed font source, by family and style.
  void setInstalledFont(const QString& family, const QString& style);

  void loadSettings();
  void saveSettings() const;

  QLineEdit* pathEdit() const { return path_; }
  QSpinBox* sizeBox() const { return size_; }
  QComboBox* alignBox() const { return align_; }
  // Checked by the user, it puts the glyphs from the left edge as well.
  QCheckBox* keepAdvancesBox() const { return keepAdvances_; }
  QPushButton* importButton() const { return ok_; }
  QLabel* messageLabel() const { return message_; }
  // Under the samples: the glyphs the import would cut, "" when none.
  QLabel* clipLabel() const { return clip_; }
  GlyphPreviewWidget* preview() const { return preview_; }

 private:
  void browse();
  void fillStyles();
  void refresh();
  // Sets the controls to `choice` without a refresh.
  void applyChoice(const FontImportChoice& choice, bool sizeChosen);
  // The choice as typed, before the font is opened.
  std::optional<FontImportChoice> readControls(std::string& problem) const;

  Layout layout_;
  CodePage codePage_;
  std::vector<std::uint8_t> current_;
  std::optional<FontImportChoice> choice_;
  bool loading_ = false;     // setting controls in code: one refresh at the end
  bool sizeChosen_ = false;  // the size is the user's, not the font's fitting one

  QRadioButton* fromFile_ = nullptr;
  QRadioButton* fromSystem_ = nullptr;
  QLineEdit* path_ = nullptr;
  QPushButton* browse_ = nullptr;
  QComboBox* family_ = nullptr;
  QComboBox* style_ = nullptr;
  QSpinBox* face_ = nullptr;
  QSpinBox* size_ = nullptr;
  QComboBox* mode_ = nullptr;
  QSpinBox* threshold_ = nullptr;
  QComboBox* align_ = nullptr;
  QSpinBox* offsetX_ = nullptr;
  QSpinBox* offsetY_ = nullptr;
  QCheckBox* keepAdvances_ = nullptr;
  QRadioButton* all_ = nullptr;
  QRadioButton* emptyOnly_ = nullptr;
  QRadioButton* range_ = nullptr;
  QLineEdit* from_ = nullptr;
  QLineEdit* to_ = nullptr;
  GlyphPreviewWidget* preview_ = nullptr;
  QLabel* message_ = nullptr;
  QLabel* clip_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace zg
