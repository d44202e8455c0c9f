#pragma once

#include "platform/PrinterSystem.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

// Chooses the printer, its paper and the orientation, among what the printer system offers
// (the built-in PDF printer included). Choices take effect as they are made, so the paper list
// follows the printer; Cancel puts everything back as it was.
class PrinterSetupDialog : public QDialog {
    Q_OBJECT
  public:
    PrinterSetupDialog(PrinterSystem& printers, QWidget* parent);

    QComboBox* printerBox() const { return printerBox_; }
    QComboBox* paperBox() const { return paperBox_; }
    QRadioButton* landscapeButton() const { return landscape_; }

    void reject() override;

  private:
    void choosePrinter(int index);
    void fillPaperSizes();

    PrinterSystem& printers_;
    int startPrinter_;
    QString startPaper_;
    PageOrientation startOrientation_;
    QComboBox* printerBox_;
    QComboBox* paperBox_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
};
