// Controls read from a definition leave some work until they are loaded,
// shown or asked (a combo box's text box, a memo's layout, a picture's
// decoding); what the definition says must be there whenever it is asked for.

#include "tests/support/TestSupport.h"

#include "toolkit/DefinitionError.h"
#include "toolkit/Images.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TImage.h"
#include "toolkit/TMemo.h"

#include <QImage>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ChangeForm : public TForm
{
    Q_OBJECT

public:
    using TForm::TForm;
    QStringList changes;

public slots:
    void Changed(QObject *sender) { changes << sender->objectName(); }
};

} // namespace

TEST(DeferredLoading, WhatTheDefinitionSaysIsThereBeforeAndAfterTheFormIsShown)
{
    auto form = TestSupport::loadFormOf<ChangeForm>(QStringLiteral(R"(Form1: ChangeForm {
  Pick: TComboBox { Items = ("E-mail", "Letter") ItemIndex = 1 Style = csDropDownList OnChange = Changed }
  Owner: TComboBox { Text = "Area9" MaxLength = 4 Items = ("Area1") OnChange = Changed }
  Notes: TMemo { Lines = ("First line", "Second line") OnChange = Changed }
  Chart: TImage { AutoSize = true Picture = ":/forms/images/user_calls_graph.png" }
})"));
    auto *pick = TestSupport::component<TComboBox>(form.get(), "Pick");
    auto *owner = TestSupport::component<TComboBox>(form.get(), "Owner");
    auto *notes = TestSupport::component<TMemo>(form.get(), "Notes");
    auto *chart = TestSupport::component<TImage>(form.get(), "Chart");

    // Still hidden: the list-only box never had a text box, the editable one
    // has its text cut to its length, the memo its lines, the image its size.
    EXPECT_FALSE(pick->isEditable());
    EXPECT_EQ(pick->lineEdit(), nullptr);
    EXPECT_EQ(pick->Text(), QStringLiteral("Letter"));
    ASSERT_NE(owner->lineEdit(), nullptr);
    EXPECT_EQ(owner->Text(), QStringLiteral("Area"));
    EXPECT_EQ(notes->Lines(), QStringList({QStringLiteral("First line"), QStringLiteral("Second line")}));
    const QImage picture(QStringLiteral(":/forms/images/user_calls_graph.png"));
    EXPECT_EQ(QSize(chart->Width(), chart->Height()), picture.size());
    EXPECT_EQ(chart->Picture().size(), picture.size());

    // Showing raises no change; typing does.
    ASSERT_TRUE(TestSupport::showActive(form.get()));
    EXPECT_TRUE(form->changes.isEmpty()) << form->changes.join(u',').toStdString();
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("First line\nSecond line"));
    notes->setFocus();
    QTest::keyClick(notes, Qt::Key_X);
    EXPECT_EQ(form->changes, QStringList{QStringLiteral("Notes")});
}

TEST(DeferredLoading, APictureThatCannotBeReadIsReportedWhereTheDefinitionNamesIt)
{
    TestSupport::expectDefinitionError(
        [] { TestSupport::loadForm(QStringLiteral("Form1: TForm {\n  Img: TImage { Picture = \":/forms/images/none.png\" }\n}")); },
        QStringLiteral("test.form"), 2, 27, "no image");
}

// Pictures are read by the format their name gives; one whose content is of
// another format still reads, and a file that holds no picture is refused.
TEST(DeferredLoading, APictureReadsWhateverFormatItsNameGives)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage picture(7, 5, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString named = dir.filePath(QStringLiteral("named.png"));
    const QString misnamed = dir.filePath(QStringLiteral("misnamed.png"));
    const QString unnamed = dir.filePath(QStringLiteral("unnamed"));
    ASSERT_TRUE(picture.save(named, "PNG"));
    ASSERT_TRUE(picture.save(misnamed, "BMP"));
    ASSERT_TRUE(picture.save(unnamed, "BMP"));
    for (const QString &file : {named, misnamed, unnamed}) {
        EXPECT_EQ(Images::size(file), QSize(7, 5)) << file.toStdString();
        EXPECT_EQ(Images::load(file).pixel(3, 2), QColor(Qt::red).rgb()) << file.toStdString();
    }
    const QString text = dir.filePath(QStringLiteral("text.png"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    EXPECT_THROW(Images::load(text), std::invalid_argument);
    EXPECT_THROW(Images::size(text), std::invalid_argument);
}

#include "DeferredLoadingTest.moc"
