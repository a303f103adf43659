#include "ui/qt/table_import_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/qt/table_preview_widget.h"
#include "ui/table_import_texts.h"

namespace zg {
namespace {

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }
QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

// Values a table can hold: the readers stop at 64 KiB.
constexpr int kMostValues = 65536;

QSpinBox* SpinBox(int lo, int hi, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(lo, hi);
  return box;
}

// Codes as the texts write them: two upper-case hex digits and "h".
class CodeBox : public QSpinBox {
 public:
  explicit CodeBox(QWidget* parent) : QSpinBox(parent) {
    setRange(0, kTableCodes - 1);
    setDisplayIntegerBase(16);
    setSuffix(QStringLiteral("h"));
  }

 protected:
  QString textFromValue(int value) const override {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
  }
};

}  // namespace

TableImportDialog::TableImportDialog(TableImportRequest request, QWidget* parent)
    : QDialog(parent), request_(std::move(request)) {
  setWindowTitle(Q(text::kTableImportTitle));
  setModal(true);
  loading_ = true;

  array_ = new QComboBox(this);
  for (const TableArray& a : request_.arrays) {
    array_->addItem(Q(a.name.empty() ? std::string("—") : a.name));
  }
  width_ = SpinBox(1, kMaxCellWidth, this);
  height_ = SpinBox(1, kMaxCellHeight, this);
  scan_ = new QComboBox(this);
  scan_->addItem(Q(text::kTableColumns));
  scan_->addItem(Q(text::kTableRows));
  bitOrder_ = new QComboBox(this);
  bitOrder_->addItem(QString());
  bitOrder_->addItem(QString());
  bandOrder_ = new QComboBox(this);
  bandOrder_->addItem(Q(text::kTableBandAfterBand));
  bandOrder_->addItem(Q(text::kTableColumnByColumn));
  firstCode_ = new CodeBox(this);
  skip_ = SpinBox(0, kMostValues, this);
  stride_ = SpinBox(1, kMostValues, this);
  offset_ = SpinBox(0, kMostValues, this);
  negative_ = new QCheckBox(Q(text::kTableNegative), this);

  found_ = new QLabel(Q(request_.found), this);
  found_->setTextFormat(Qt::PlainText);
  message_ = new QLabel(this);
  message_->setTextFormat(Qt::PlainText);
  preview_ = new TablePreviewWidget(this);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(preview_);
  scroll->setMinimumSize(760, 360);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(Q(text::kTableImportOk), QDialogButtonBox::AcceptRole);
  auto* cancel = buttons->addButton(Q(text::kTableImportCancel), QDialogButtonBox::RejectRole);
  ok_->setDefault(true);

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  if (request_.arrays.size() > 1) form->addRow(Q(text::kTableArray), array_);
  array_->setVisible(request_.arrays.size() > 1);
  auto* cell = new QHBoxLayout;
  cell->addWidget(width_);
  cell->addWidget(new QLabel(QStringLiteral("x"), this));
  cell->addWidget(height_);
  cell->addStretch();
  form->addRow(Q(text::kTableCell), cell);
  form->addRow(Q(text::kTableScan), scan_);
  form->addRow(Q(text::kTableBitOrder), bitOrder_);
  form->addRow(Q(text::kTableBandOrder), bandOrder_);
  auto* codes = new QFormLayout;
  codes->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  codes->addRow(Q(text::kTableFirstCode), firstCode_);
  codes->addRow(Q(text::kTableSkip), skip_);
  codes->addRow(Q(text::kTableStride), stride_);
  codes->addRow(Q(text::kTableGlyphOffset), offset_);
  codes->addRow(QString(), negative_);
  auto* columns = new QHBoxLayout;
  columns->addLayout(form);
  columns->addLayout(codes);
  columns->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(found_);
  layout->addLayout(columns);
  layout->addWidget(scroll, 1);
  layout->addWidget(message_);
  layout->addWidget(buttons);

  const auto changed = [this] { refresh(); };
  const auto cellEdited = [this] { cellChanged(); };
  connect(width_, &QSpinBox::valueChanged, this, cellEdited);
  connect(height_, &QSpinBox::valueChanged, this, cellEdited);
  connect(scan_, &QComboBox::currentIndexChanged, this, cellEdited);
  for (QComboBox* box : {array_, bitOrder_, bandOrder_}) {
    connect(box, &QComboBox::currentIndexChanged, this, changed);
  }
  for (QSpinBox* box : {firstCode_, skip_, stride_}) {
    connect(box, &QSpinBox::valueChanged, this, changed);
  }
  connect(offset_, &QSpinBox::valueChanged, this, cellEdited);
  connect(negative_, &QCheckBox::toggled, this, changed);
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (choice_) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  loading_ = false;
  setChoice(request_.initial);
}

std::optional<TableImportChoice> TableImportDialog::Ask(QWidget* parent,
                                                        const TableImportRequest& request) {
  TableImportDialog dialog(request, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

void TableImportDialog::setChoice(const TableImportChoice& c) {
  loading_ = true;
  const TableLayout& t = c.table;
  array_->setCurrentIndex(static_cast<int>(c.array));
  width_->setValue(t.layout.width);
  height_->setValue(t.layout.height);
  scan_->setCurrentIndex(t.layout.Vertical() ? 0 : 1);
  bitOrder_->setCurrentIndex(t.layout.bitOrder == BitOrder::Classic ? 0 : 1);
  bandOrder_->setCurrentIndex(t.layout.bandOrder == BandOrder::Bands ? 0 : 1);
  firstCode_->setValue(t.firstCode);
  skip_->setValue(t.skip);
  stride_->setValue(t.stride);
  offset_->setValue(t.glyphOffset);
  negative_->setChecked(t.negative);
  loading_ = false;
  refresh();
}

Layout TableImportDialog::readLayout() const {
  Layout l;
  l.width = width_->value();
  l.height = height_->value();
  l.scan = scan_->currentIndex() == 0 ? Scan::Vertical : Scan::Horizontal;
  l.bitOrder = bitOrder_->currentIndex() == 0 ? BitOrder::Classic : BitOrder::Reversed;
  l.bandOrder = bandOrder_->currentIndex() == 0 ? BandOrder::Bands : BandOrder::Columns;
  return l;
}

void TableImportDialog::cellChanged() {
  if (loading_) return;
  // The stride grows and shrinks with the glyph's bytes and its offset, so
  // that what the stride held besides the glyph stays.
  const int bytes = readLayout().BytesPerGlyph();
  const int change = bytes - shown_.layout.BytesPerGlyph() + offset_->value() - shown_.glyphOffset;
  if (change != 0) {
    loading_ = true;
    stride_->setValue(std::max(1, shown_.stride + change));
    loading_ = false;
  }
  refresh();
}

void TableImportDialog::nameBitOrders() {
  const bool vertical = scan_->currentIndex() == 0;
  bitOrder_->setItemText(0, Q(vertical ? text::kTableLsbTop : text::kTableMsbLeft));
  bitOrder_->setItemText(1, Q(vertical ? text::kTableMsbTop : text::kTableLsbLeft));
}

void TableImportDialog::refresh() {
  if (loading_) return;
  nameBitOrders();
  const Layout layout = readLayout();
  bandOrder_->setEnabled(layout.Vertical() && layout.Bands() > 1);
  TableImportChoice c;
  c.array = static_cast<std::size_t>(std::max(0, array_->currentIndex()));
  c.table = {layout,           firstCode_->value(), skip_->value(),
             stride_->value(), offset_->value(),    negative_->isChecked()};
  shown_ = c.table;
  if (c.array >= request_.arrays.size() || !c.table.Valid()) {
    choice_.reset();
    message_->setText(Q(text::kTableInvalid));
    preview_->setPreview({});
  } else {
    choice_ = c;
    message_->clear();
    preview_->setPreview(MakeTablePreview(request_.arrays[c.array].values, c.table));
  }
  ok_->setEnabled(choice_.has_value());
}

}  // namespace zg
