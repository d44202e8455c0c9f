// The page type: which slot thumbnails and pages the window offers for it.
#include "app/TForm1.h"

#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"

#include <QFrame>
#include <QGroupBox>

void TForm1::TypeOfPageRadioGroupClick() {
    Panel1->setVisible(true);
    PageControl2->setTabVisible(TextTabSheet, true);
    PageControl2->setTabVisible(AdvancedTabSheet, true);
    GroupBox1->setVisible(true);
    PageControl1->setTabVisible(StandardTabSheet, true);

    const int pageType = TypeOfPageRadioGroup->itemIndex();
    if (pageType < 0 || pageType > 6)
        return;
    BImage->setVisible(pageType >= 1);
    cImage->setVisible(pageType >= 2);
    DImage->setVisible(pageType >= 2);
    const bool needsAllSlots = pageType >= 3;
    PageControl1->setTabVisible(Images01to15TabSheet, needsAllSlots);
    PageControl1->setActivePage(needsAllSlots ? Images01to15TabSheet : StandardTabSheet);
}
