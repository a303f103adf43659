#include "ui/qt/export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <algorithm>
#include <initializer_list>

#include "ui/qt/qt_texts.h"
#include "ui/texts.h"

namespace zg {
namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr OutputFormat kFormats[] = {OutputFormat::CHeader, OutputFormat::Bdf, OutputFormat::Gfx,
                                     OutputFormat::Lvgl, OutputFormat::FontSource};
constexpr const char* kFormatNames[] = {"Заголовочный файл C/C++", "Шрифт BDF 2.1",
                                        "Шрифт Adafruit GFX", "Шрифт LVGL 8 и 9",
                                        "Знакогенератор, исходный текст"};
constexpr std::optional<Scan> kScans[] = {std::nullopt, Scan::Vertical, Scan::Horizontal};
constexpr const char* kScanNames[] = {"как у знакогенератора", "вертикальная", "горизонтальная"};
constexpr std::optional<bool> kBits[] = {std::nullopt, false, true};
constexpr const char* kBitNames[] = {"как в файлах редактора", "бит 0 — верхняя или левая точка",
                                     "бит 7 — верхняя или левая точка"};
constexpr BandOrder kBands[] = {BandOrder::Bands, BandOrder::Columns};
constexpr const char* kBandNames[] = {"полоса за полосой", "столбец за столбцом"};

template <typename T, std::size_t N>
void Fill(QComboBox* box, const char* const (&names)[N], const T (&values)[N], const T& current) {
  for (std::size_t i = 0; i < N; ++i) {
    box->addItem(Q(names[i]));
    if (values[i] == current) box->setCurrentIndex(static_cast<int>(i));
  }
}

template <typename T, std::size_t N>
T Chosen(const QComboBox* box, const T (&values)[N]) {
  return values[std::clamp<std::size_t>(static_cast<std::size_t>(std::max(0, box->currentIndex())),
                                        0, N - 1)];
}
constexpr FlashAttribute kFlash[] = {FlashAttribute::None, FlashAttribute::Progmem,
                                     FlashAttribute::Flash};
constexpr const char* kFlashNames[] = {"нет", "PROGMEM (avr-gcc, Arduino)",
                                       "__flash (avr-gcc, GNU C; иначе PROGMEM)"};

}  // namespace

ExportDialog::ExportDialog(const ExportChoice& initial, QWidget* parent) : QDialog(parent) {
  setWindowTitle(Q(text::kExportTitle));
  auto* form = new QFormLayout(this);
  format_ = new QComboBox(this);
  Fill(format_, kFormatNames, kFormats, initial.format);
  flash_ = new QComboBox(this);
  Fill(flash_, kFlashNames, kFlash, initial.flash);
  pictures_ = new QCheckBox(Q("Рисунок каждого символа в комментарии"), this);
  single_ =
      new QCheckBox(Q("Одно определение: extern, массив — где задан ИМЯ_IMPLEMENTATION"), this);
  raw_ = new QCheckBox(Q("Коды 20h..FFh вместо Юникода"), this);
  scan_ = new QComboBox(this);
  Fill(scan_, kScanNames, kScans, initial.scan);
  bits_ = new QComboBox(this);
  Fill(bits_, kBitNames, kBits, initial.msbFirst);
  bands_ = new QComboBox(this);
  Fill(bands_, kBandNames, kBands, initial.bandOrder);
  fullTable_ = new QCheckBox(Q("256 символов с кода 00h (коды до 20h пусты)"), this);
  form->addRow(Q("Формат:"), format_);
  form->addRow(Q("Размещение во флеш-памяти:"), flash_);
  form->addRow(QString(), pictures_);
  form->addRow(QString(), single_);
  form->addRow(QString(), raw_);
  form->addRow(Q("Развертка:"), scan_);
  form->addRow(Q("Порядок битов:"), bits_);
  form->addRow(Q("Столбцы выше 8 точек:"), bands_);
  form->addRow(QString(), fullTable_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(Q("Экспортировать"));
  buttons->button(QDialogButtonBox::Cancel)->setText(Q(qt_text::kCancel));
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  pictures_->setChecked(initial.pictures);
  fullTable_->setChecked(initial.fullTable);
  single_->setChecked(initial.singleDefinition);
  raw_->setChecked(initial.rawEncoding);
  connect(format_, &QComboBox::currentIndexChanged, this, [this] { showOptionsOfFormat(); });
  showOptionsOfFormat();
}

void ExportDialog::showOptionsOfFormat() {
  const OutputFormat format = Chosen(format_, kFormats);
  flash_->setEnabled(format == OutputFormat::CHeader);
  pictures_->setEnabled(format == OutputFormat::CHeader);
  single_->setEnabled(format == OutputFormat::CHeader);
  raw_->setEnabled(format == OutputFormat::Bdf);
  // The layout is the font source's and the C header's; BDF, GFX and LVGL have their own.
  const bool table = format == OutputFormat::CHeader || format == OutputFormat::FontSource;
  for (QWidget* w : std::initializer_list<QWidget*>{scan_, bits_, bands_, fullTable_}) {
    w->setEnabled(table);
  }
}

ExportChoice ExportDialog::choice() const {
  ExportChoice c;
  c.format = Chosen(format_, kFormats);
  c.flash = Chosen(flash_, kFlash);
  c.pictures = pictures_->isChecked();
  c.rawEncoding = raw_->isChecked();
  c.scan = Chosen(scan_, kScans);
  c.msbFirst = Chosen(bits_, kBits);
  c.bandOrder = Chosen(bands_, kBands);
  c.fullTable = fullTable_->isChecked();
  c.singleDefinition = single_->isChecked();
  return c;
}

std::optional<ExportChoice> ExportDialog::Ask(QWidget* parent, const ExportChoice& initial) {
  ExportDialog dialog(initial, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

}  // namespace zg
