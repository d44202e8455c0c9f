#include "platform/ui/PrinterSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>

PrinterSetupDialog::PrinterSetupDialog(PrinterSystem& printers, QWidget* parent)
    : QDialog(parent), printers_(printers), startPrinter_(printers.selectedIndex()),
      startPaper_(printers.paperSize()), startOrientation_(printers.orientation()),
      printerBox_(new QComboBox(this)), paperBox_(new QComboBox(this)),
      portrait_(new QRadioButton(tr("Portrait"), this)),
      landscape_(new QRadioButton(tr("Landscape"), this)) {
    setWindowTitle(tr("Printer Setup"));
    printerBox_->addItems(printers.printerNames());
    printerBox_->setCurrentIndex(startPrinter_);
    fillPaperSizes();
    (startOrientation_ == PageOrientation::Landscape ? landscape_ : portrait_)->setChecked(true);

    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait_);
    orientation->addWidget(landscape_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Printer:"), printerBox_);
    form->addRow(tr("Paper:"), paperBox_);
    form->addRow(tr("Orientation:"), orientation);
    form->addRow(buttons);
    setMinimumWidth(360);

    connect(printerBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { choosePrinter(index); });
    connect(paperBox_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty())
            printers_.setPaperSize(name);
    });
    connect(landscape_, &QRadioButton::toggled, this, [this](bool landscape) {
        printers_.setOrientation(landscape ? PageOrientation::Landscape
                                           : PageOrientation::Portrait);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PrinterSetupDialog::choosePrinter(int index) {
    printers_.select(index);
    printers_.setOrientation(landscape_->isChecked() ? PageOrientation::Landscape
                                                     : PageOrientation::Portrait);
    fillPaperSizes();
}

void PrinterSetupDialog::fillPaperSizes() {
    const QSignalBlocker quiet(paperBox_);
    paperBox_->clear();
    paperBox_->addItems(printers_.paperSizes());
    paperBox_->setCurrentText(printers_.paperSize());
}

void PrinterSetupDialog::reject() {
    printers_.select(startPrinter_);
    printers_.setPaperSize(startPaper_);
    printers_.setOrientation(startOrientation_);
    QDialog::reject();
}
