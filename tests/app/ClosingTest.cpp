#include "WindowFixture.h"

#include "app/controls/RadioGroup.h"

#include <QLineEdit>

using ClosingTest = WindowFixture;

TEST_F(ClosingTest, EveryCloseRequestAsksBothQuestionsAndNoKeepsEverything) {
    dialogs.cancel();
    form->run(&TForm1::ContinueButtonClick);
    form->ValueEdit->setText(QStringLiteral("$5"));
    form->BorderRadioGroup->setItemIndex(1);

    // Yes to saving opens the save dialog: cancelled, then a file written, then No to saving.
    const QString setup = folder.filePath(QStringLiteral("on-exit.agt"));
    const std::vector<void (TForm1::*)()> exits{&TForm1::ExitAboutButtonClick,
                                                &TForm1::ExitButtonClick, &TForm1::ExitItemClick};
    for (size_t round = 0; round < exits.size(); ++round) {
        const size_t before = dialogs.shown().size();
        if (round == 0) {
            dialogs.answerYes();
            dialogs.cancel();
        } else if (round == 1) {
            dialogs.answerYes();
            dialogs.answerFile(setup);
        } else {
            dialogs.answerNo();
        }
        dialogs.answerNo();
        form->run(exits[round]);
        const ShownDialog& save = dialogs.shown()[before];
        const ShownDialog& end = dialogs.shown().back();
        EXPECT_EQ(save.kind, DialogKind::Question);
        EXPECT_EQ(save.title, QStringLiteral("Save?"));
        EXPECT_EQ(save.text,
                  QStringLiteral(
                      "Do you want to save the definition for the current sheet of tilettes?"));
        if (round == 0) {
            ASSERT_EQ(dialogs.shown().size(), before + 4);
            EXPECT_EQ(dialogs.shown()[before + 1].kind, DialogKind::SaveFile);
            EXPECT_EQ(dialogs.shown()[before + 2].text, QStringLiteral("File not Saved"));
        } else {
            EXPECT_EQ(dialogs.shown().size(), before + (round == 1 ? 3 : 2));
        }
        EXPECT_EQ(end.title, QStringLiteral("End Program?"));
        EXPECT_EQ(end.text, QStringLiteral("Are you sure you, you want to end program?"));
        EXPECT_FALSE(form->closed());
        EXPECT_TRUE(form->isVisible());
    }
    QFile written(setup);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().count("\r\n"), 52);
    EXPECT_EQ(form->ValueEdit->text(), QStringLiteral("$5"));
    EXPECT_EQ(form->BorderRadioGroup->itemIndex(), 1);
    EXPECT_EQ(form->session().slotTable()[1].Ratio, 1000);
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
