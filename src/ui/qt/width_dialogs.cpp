#include "ui/qt/width_dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "ui/qt/qt_texts.h"

namespace zg {
namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

QSpinBox* SpinBox(int low, int high, int value, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(low, high);
  box->setValue(std::clamp(value, low, high));
  return box;
}

// Wide enough for its title to show whole.
constexpr int kMinimumWidth = 260;

// OK and Cancel in the program's language, closing `dialog` as they should.
void AddButtons(QDialog* dialog, QFormLayout* form) {
  dialog->setMinimumWidth(kMinimumWidth);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(Q(qt_text::kOk));
  buttons->button(QDialogButtonBox::Cancel)->setText(Q(qt_text::kCancel));
  form->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
}

}  // namespace

GlyphWidthDialog::GlyphWidthDialog(int current, int cellWidth, QWidget* parent) : QDialog(parent) {
  setWindowTitle(Q("Ширина символа"));
  auto* form = new QFormLayout(this);
  width_ = SpinBox(1, std::max(1, cellWidth), current, this);
  form->addRow(Q("Ширина:"), width_);
  AddButtons(this, form);
  width_->selectAll();  // a typed number replaces the old one
}

int GlyphWidthDialog::glyphWidth() const { return width_->value(); }

std::optional<int> GlyphWidthDialog::Ask(QWidget* parent, int current, int cellWidth) {
  GlyphWidthDialog dialog(current, cellWidth, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.glyphWidth();
}

ProportionalDialog::ProportionalDialog(const ProportionalChoice& initial, int cellWidth,
                                       QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(Q("Пропорциональный шрифт"));
  auto* form = new QFormLayout(this);
  const int cell = std::max(1, cellWidth);
  spacing_ = SpinBox(kMinSpacing, kMaxSpacing, initial.spacing, this);
  spaceWidth_ =
      SpinBox(1, cell, initial.spaceWidth > 0 ? initial.spaceWidth : (cell + 1) / 2, this);
  form->addRow(Q("Интервал между символами:"), spacing_);
  form->addRow(Q("Ширина пробела:"), spaceWidth_);
  AddButtons(this, form);
}

ProportionalChoice ProportionalDialog::choice() const {
  return {spacing_->value(), spaceWidth_->value()};
}

std::optional<ProportionalChoice> ProportionalDialog::Ask(QWidget* parent,
                                                          const ProportionalChoice& initial,
                                                          int cellWidth) {
  ProportionalDialog dialog(initial, cellWidth, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

}  // namespace zg
