#include "tests/screens/accounts/AccountsFixture.h"

#include "toolkit/Dialogs.h"
#include "toolkit/Locale.h"
#include "toolkit/Printing.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TStringGrid.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

void AccountsFixture::SetUp()
{
    Locale::setShortDateFormat(QStringLiteral("dd/MM/yyyy"), u'/');
    Unit1::OwnerFilter.clear();
    Unit1::StatusFilter.clear();
    Unit1::CurrentAccount = 0;
    Dialogs::clearShown();
    TourFixture::SetUp();
}

void AccountsFixture::TearDown()
{
    TourFixture::TearDown();
    Unit1::OwnerFilter.clear();
    Unit1::StatusFilter.clear();
    Locale::useSystem();
}

void AccountsFixture::pick(TComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    TestSupport::settle();
}

void AccountsFixture::typeInto(TComboBox *combo, const QString &text)
{
    ASSERT_TRUE(combo->lineEdit());
    combo->lineEdit()->selectAll();
    // Key by key with the character as the key's text, so that letters
    // beyond ASCII are typed as well.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, combo->lineEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    TestSupport::settle();
}

void AccountsFixture::erase(TComboBox *combo)
{
    ASSERT_TRUE(combo->lineEdit());
    combo->lineEdit()->selectAll();
    QTest::keyClick(combo->lineEdit(), Qt::Key_Backspace);
    TestSupport::settle();
}

QList<QStringList> AccountsFixture::rows(const TStringGrid *grid)
{
    QList<QStringList> list;
    for (int r = 0; r < grid->RowCount(); ++r)
        list << grid->RowTexts(r).mid(0, 6);
    return list;
}

QStringList AccountsFixture::column(const TStringGrid *grid, int col)
{
    QStringList list;
    for (int r = 0; r < grid->RowCount(); ++r)
        list << grid->Cell(col, r);
    return list;
}

void AccountsFixture::doubleClickRow(TStringGrid *grid, int row)
{
    const QPoint at = grid->CellRect(0, row).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    TestSupport::settle();
}

int AccountsFixture::printedPages(TForm *form, const char *item)
{
    auto *menuItem = qobject_cast<TMenuItem *>(form->findComponent(QString::fromLatin1(item)));
    if (!menuItem)
        return -1;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("screen.pdf"));
    Printing::simulateNoPrinter(false);
    Printing::setPdfOutput(path);
    menuItem->Click();
    Printing::setPdfOutput(QString());
    Printing::simulateNoPrinter(true);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}
