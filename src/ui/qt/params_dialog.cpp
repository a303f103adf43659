#include "ui/qt/params_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ui/qt/face_button.h"
#include "ui/qt/geometry.h"
#include "ui/qt/window_font.h"
#include "ui/qt/wrap_check_box.h"

namespace zg {
namespace {

// The dialog keeps its designed size on every screen.
constexpr Rect kClient{0, 0, 4470, 2880};

QString Q(const char* utf8) { return QString::fromUtf8(utf8); }

template <typename W>
W* Place(W* widget, const Rect& twips) {
  widget->setGeometry(TwipsToPixels(twips));
  return widget;
}

QLabel* MakeLabel(const char* text, QWidget* parent) {
  auto* label = new QLabel(Q(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  return label;
}

}  // namespace

ParamsDialog::ParamsDialog(Form2& form2, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      form2_(form2) {
  setModal(true);
  // The toolkit font of the designed dialog is a small sans serif, as the main
  // window's; Qt's own default is wider and would clip the captions.
  setFont(WindowFont(kWindowFontSize));
  setFixedSize(TwipsToPixels(kClient).size());

  Place(MakeLabel(kForm2Label3, this), {0, 240, 1092, 612});
  combo1_ = Place(new QComboBox(this), {1200, 360, 1452, 315});
  for (const CellSize& size : kCellSizes) combo1_->addItem(Q(size.name));
  combo1_->addItem(Q(kForm2OtherSize));
  width_ = Place(new QSpinBox(this), {2760, 360, 660, 315});
  times_ = Place(MakeLabel("x", this), {3450, 390, 150, 315});
  height_ = Place(new QSpinBox(this), {3630, 360, 660, 315});
  for (QSpinBox* box : {width_, height_}) box->setRange(1, kGridSide);
  Place(MakeLabel(kForm2Label19, this), {60, 1080, 975, 375});
  option1_ = Place(new QRadioButton(Q(kForm2Option1), this), {1200, 1080, 1515, 255});
  option2_ = Place(new QRadioButton(Q(kForm2Option2), this), {1200, 1320, 1515, 375});
  check1_ = Place(new WrapCheckBox(Q(kForm2Check1), this), {3000, 1080, 1335, 555});
  command1_ = Place(new FaceButton(QString(), 0x0080C0FF, this), {1560, 2040, 1455, 615});
  command2_ = Place(new FaceButton(Q(kForm2Cancel), 0x000000FF, this), {180, 2160, 855, 375});

  // Tab order of the designed tab indices; the labels take no focus.
  setTabOrder(combo1_, command1_);
  setTabOrder(command1_, option1_);
  setTabOrder(option1_, option2_);
  setTabOrder(option2_, command2_);
  setTabOrder(command2_, check1_);
  setTabOrder(check1_, width_);
  setTabOrder(width_, height_);
  command1_->setAutoDefault(false);
  command2_->setAutoDefault(false);

  // Signals that only the user raises: sync() sets the widgets silently.
  connect(combo1_, &QComboBox::activated, this, [this](int index) {
    const std::string text = combo1_->itemText(index).toStdString();
    form2_.Combo1Click(text);
    sync();
  });
  for (QSpinBox* box : {width_, height_}) {
    connect(box, &QSpinBox::valueChanged, this, [this] {
      form2_.SizeEntryChange(width_->value(), height_->value());
      sync();
    });
  }
  connect(option1_, &QRadioButton::clicked, this, [this] { run(&Form2::Option1Click); });
  connect(option2_, &QRadioButton::clicked, this, [this] { run(&Form2::Option2Click); });
  connect(check1_, &QCheckBox::clicked, this, [this](bool checked) {
    form2_.Check1Click(checked ? 1 : 0);
    sync();
  });
  connect(command1_, &QPushButton::clicked, this, [this] { run(&Form2::Command1Click); });
  connect(command2_, &QPushButton::clicked, this, [this] { run(&Form2::Command2Click); });

  form2_.Load();
  sync();
}

void ParamsDialog::run(void (Form2::*handler)()) {
  (form2_.*handler)();
  sync();
}

void ParamsDialog::sync() {
  const Form2State& state = form2_.state();
  setWindowTitle(QString::fromStdString(state.title));
  command1_->setText(QString::fromStdString(state.command1Caption));
  {
    const QSignalBlocker block(combo1_);
    combo1_->setCurrentIndex(combo1_->findText(QString::fromStdString(state.combo1Text),
                                               Qt::MatchExactly | Qt::MatchCaseSensitive));
  }
  // The two options are exclusive: checking one clears the other.
  (state.option1 ? option1_ : option2_)->setChecked(true);
  option2_->setVisible(state.option2Visible);
  {
    const QSignalBlocker blockWidth(width_);
    const QSignalBlocker blockHeight(height_);
    width_->setValue(state.entryWidth);
    height_->setValue(state.entryHeight);
  }
  for (QWidget* w : {static_cast<QWidget*>(width_), static_cast<QWidget*>(times_),
                     static_cast<QWidget*>(height_)}) {
    w->setVisible(state.sizeEntryVisible);
  }
  check1_->setChecked(state.check1Value != 0);
  check1_->setVisible(state.check1Visible);
  if (state.closed) QDialog::done(QDialog::Accepted);
}

void ParamsDialog::closeEvent(QCloseEvent* event) {
  if (form2_.state().closed || !form2_.QueryUnload(CloseReason::User)) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace zg
