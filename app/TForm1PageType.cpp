// The page type: which slot thumbnails and pages the window offers for it.
#include "app/TForm1.h"

#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "app/controls/RadioGroup.h"
#include "sheet/PageType.h"

#include <QFrame>
#include <QGroupBox>

void TForm1::TypeOfPageRadioGroupClick() {
    showPageType();
}

void TForm1::showPageType() {
    Panel1->setVisible(true);
    PageControl2->setTabVisible(TextTabSheet, true);
    PageControl2->setTabVisible(AdvancedTabSheet, true);
    GroupBox1->setVisible(true);
    PageControl1->setTabVisible(StandardTabSheet, true);

    const int index = TypeOfPageRadioGroup->itemIndex();
    if (index < 0 || index >= pageTypeCount)
        return;
    // The Basic page offers the thumbnails of the slots a page type needs; the types that may
    // use all nine send the user to the Images page.
    const auto type = static_cast<PageType>(index);
    const bool twoOrMore = type != PageType::OneImage;
    const bool fourOrMore = twoOrMore && type != PageType::Checkerboard;
    const bool needsAllSlots = fourOrMore && type != PageType::BlockOf4;
    BImage->setVisible(twoOrMore);
    cImage->setVisible(fourOrMore);
    DImage->setVisible(fourOrMore);
    PageControl1->setTabVisible(Images01to15TabSheet, needsAllSlots);
    PageControl1->setActivePage(needsAllSlots ? Images01to15TabSheet : StandardTabSheet);
}
