#include "WindowFixture.h"

#include "app/controls/RadioGroup.h"

#include <QLineEdit>

using ClosingTest = WindowFixture;

TEST_F(ClosingTest, EveryCloseRequestAsksBothQuestionsAndNoKeepsEverything) {
    dialogs.cancel();
    form->run(&TForm1::ContinueButtonClick);
    form->ValueEdit->setText(QStringLiteral("$5"));
    form->BorderRadioGroup->setItemIndex(1);

    const std::vector<void (TForm1::*)()> exits{&TForm1::ExitAboutButtonClick,
                                                &TForm1::ExitButtonClick, &TForm1::ExitItemClick};
    for (auto exitHandler : exits) {
        const size_t before = dialogs.shown().size();
        dialogs.answerYes();
        dialogs.answerNo();
        form->run(exitHandler);
        ASSERT_EQ(dialogs.shown().size(), before + 2);
        const ShownDialog& save = dialogs.shown()[before];
        const ShownDialog& end = dialogs.shown()[before + 1];
        EXPECT_EQ(save.kind, DialogKind::Question);
        EXPECT_EQ(save.title, QStringLiteral("Save?"));
        EXPECT_EQ(save.text,
                  QStringLiteral(
                      "Do you want to save the definition for the current sheet of tilettes?"));
        EXPECT_EQ(end.title, QStringLiteral("End Program?"));
        EXPECT_EQ(end.text, QStringLiteral("Are you sure you, you want to end program?"));
        EXPECT_FALSE(form->closed());
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_EQ(form->ValueEdit->text(), QStringLiteral("$5"));
    EXPECT_EQ(form->BorderRadioGroup->itemIndex(), 1);
    EXPECT_EQ(form->state.ImageSlots[1].Ratio, 1000);
    EXPECT_EQ(dialogs.remainingAnswers(), 0);
}

TEST_F(ClosingTest, TheCloseBoxEndsTheProgramOnYes) {
    dialogs.answerNo();
    dialogs.answerYes();
    form->close();
    EXPECT_TRUE(form->closed());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(dialogs.remainingAnswers(), 0);
}
