#include "ui/qt/export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

#include "ui/qt/qt_texts.h"
#include "ui/texts.h"

namespace zg {
namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr OutputFormat kFormats[] = {OutputFormat::CHeader, OutputFormat::Bdf, OutputFormat::Gfx};
constexpr const char* kFormatNames[] = {"Заголовочный файл C/C++", "Шрифт BDF 2.1",
                                        "Шрифт Adafruit GFX"};
constexpr FlashAttribute kFlash[] = {FlashAttribute::None, FlashAttribute::Progmem,
                                     FlashAttribute::Flash};
constexpr const char* kFlashNames[] = {"нет", "PROGMEM (avr-gcc, Arduino)",
                                       "__flash (avr-gcc, GNU C; иначе PROGMEM)"};

}  // namespace

ExportDialog::ExportDialog(const ExportChoice& initial, QWidget* parent) : QDialog(parent) {
  setWindowTitle(Q(text::kExportTitle));
  auto* form = new QFormLayout(this);
  format_ = new QComboBox(this);
  for (const char* name : kFormatNames) format_->addItem(Q(name));
  flash_ = new QComboBox(this);
  for (const char* name : kFlashNames) flash_->addItem(Q(name));
  pictures_ = new QCheckBox(Q("Рисунок каждого символа в комментарии"), this);
  single_ =
      new QCheckBox(Q("Одно определение: extern, массив — где задан ИМЯ_IMPLEMENTATION"), this);
  raw_ = new QCheckBox(Q("Коды 20h..FFh вместо Юникода"), this);
  form->addRow(Q("Формат:"), format_);
  form->addRow(Q("Размещение во флеш-памяти:"), flash_);
  form->addRow(QString(), pictures_);
  form->addRow(QString(), single_);
  form->addRow(QString(), raw_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(Q("Экспортировать"));
  buttons->button(QDialogButtonBox::Cancel)->setText(Q(qt_text::kCancel));
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  for (int i = 0; i < 3; ++i) {
    if (kFormats[i] == initial.format) format_->setCurrentIndex(i);
    if (kFlash[i] == initial.flash) flash_->setCurrentIndex(i);
  }
  pictures_->setChecked(initial.pictures);
  single_->setChecked(initial.singleDefinition);
  raw_->setChecked(initial.rawEncoding);
  connect(format_, &QComboBox::currentIndexChanged, this, [this] { showOptionsOfFormat(); });
  showOptionsOfFormat();
}

void ExportDialog::showOptionsOfFormat() {
  const OutputFormat format = kFormats[std::max(0, format_->currentIndex())];
  flash_->setEnabled(format == OutputFormat::CHeader);
  pictures_->setEnabled(format == OutputFormat::CHeader);
  single_->setEnabled(format == OutputFormat::CHeader);
  raw_->setEnabled(format == OutputFormat::Bdf);
}

ExportChoice ExportDialog::choice() const {
  ExportChoice c;
  c.format = kFormats[std::max(0, format_->currentIndex())];
  c.flash = kFlash[std::max(0, flash_->currentIndex())];
  c.pictures = pictures_->isChecked();
  c.rawEncoding = raw_->isChecked();
  c.singleDefinition = single_->isChecked();
  return c;
}

std::optional<ExportChoice> ExportDialog::Ask(QWidget* parent, const ExportChoice& initial) {
  ExportDialog dialog(initial, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

}  // namespace zg
