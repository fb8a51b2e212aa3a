// Loading definitions into forms: values, references, handlers, stored values
// of their own, and every kind of malformed definition.

#include "tests/support/TestSupport.h"

#include "toolkit/ClassRegistry.h"
#include "toolkit/Colors.h"
#include "toolkit/CompiledDefinition.h"
#include "toolkit/ControlWidget.h"
#include "toolkit/DefinitionParser.h"
#include "toolkit/Filer.h"
#include "toolkit/FormReader.h"
#include "toolkit/FormWriter.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TEdit.h"
#include "toolkit/TLabel.h"
#include "toolkit/TMenuItem.h"
#include "toolkit/TPanel.h"
#include "toolkit/TStringGrid.h"

#include <QApplication>
#include <QtEndian>

#include <gtest/gtest.h>

#include <stdexcept>

// A list stored as a count and a block of little-endian integers.
class TTestList : public QObject, public Persistent
{
    Q_OBJECT
public:
    using QObject::QObject;
    void defineProperties(Filer &filer) override
    {
        filer.defineInteger("Num", [this](qint64 n) { count = int(n); }, [this] { return qint64(values.size()); }, true);
        filer.defineBinary(
            "Data",
            [this](const QByteArray &data) {
                if (data.size() != count * 4)
                    throw std::invalid_argument("the data holds a different number of entries than its count");
                values.clear();
                for (int i = 0; i < count; ++i)
                    values << qFromLittleEndian<qint32>(data.constData() + 4 * i);
            },
            [this] {
                QByteArray data(int(values.size()) * 4, '\0');
                for (int i = 0; i < values.size(); ++i)
                    qToLittleEndian<qint32>(values[i], data.data() + 4 * i);
                return data;
            },
            !values.isEmpty());
    }
    int count = 0;
    QList<int> values;
};

// A control with a list sub-object and a value it stores itself.
class TTestHolder : public ControlWidget<QWidget>
{
    Q_OBJECT
    TK_CONTROL
    Q_PROPERTY(TTestList *Entries READ Entries)
Q_SIGNALS:
    bool OnPick(QObject *Sender, int From, int &To);

public:
    explicit TTestHolder(QObject *owner)
        : ControlWidget<QWidget>(owner)
        , m_entries(new TTestList(this))
    {
    }
    TTestList *Entries() const { return m_entries; }
    void defineProperties(Filer &filer) override
    {
        filer.defineInteger("Secret", [this](qint64 v) { secret = int(v); }, [this] { return qint64(secret); }, secret != 0);
    }
    bool pick(int from, int &to)
    {
        bool ok = false;
        fire([&] { ok = emit OnPick(this, from, to); });
        return ok;
    }
    int secret = 0;

private:
    TTestList *m_entries;
};

class TReaderForm : public TForm
{
    Q_OBJECT
public:
    using TForm::TForm;
    int clicks = 0;
    int created = 0;
public slots:
    void FormCreate(QObject *) { ++created; }
    void Item1Click(QObject *) { ++clicks; }
    bool HolderPick(QObject *, int from, int &to)
    {
        to = from + 10;
        return true;
    }
};

namespace {

const bool registered = [] {
    ClassRegistry::instance().add<TTestHolder>();
    ClassRegistry::instance().add<TReaderForm>();
    return true;
}();

struct Loaded {
    std::unique_ptr<TReaderForm, TestSupport::FormDeleter> form;
};

std::unique_ptr<TReaderForm, TestSupport::FormDeleter> load(const QString &text)
{
    std::unique_ptr<TReaderForm, TestSupport::FormDeleter> form(new TReaderForm(nullptr));
    FormReader::load(form.get(), text, QStringLiteral("r.form"));
    form->doCreate();
    return form;
}

// The bytes the build compiles the definition `text` into.
QByteArray compiled(const QString &text)
{
    return CompiledDefinition::write(DefinitionParser::parse(text, QStringLiteral("r.form")));
}

const char *realistic = R"(Form1: TReaderForm {
  Caption = "Customer List"
  Width = 600
  Height = 400
  Font.Name = "System"
  Font.Height = -13
  PopupMenu = PopupMenu1
  OnCreate = FormCreate
  PopupMenu1: TPopupMenu {
    Item1: TMenuItem {
      Caption = "&Print"
      OnClick = Item1Click
    }
    Item2: TMenuItem {
      Caption = "Close"
      Enabled = false
    }
  }
  Panel1: TPanel {
    Left = 8
    Top = 4
    Width = 400
    Height = 120
    Caption = ""
    Color = clAqua
    Label1: TLabel {
      Left = 5
      Top = 6
      Caption = "Owner \u{e9}"
      Font.Style = [fsBold]
    }
    OwnerCombo: TComboBox {
      Left = 76
      Top = 13
      Items = ("Area1", "Area2")
      MaxLength = 20
    }
  }
  Grid1: TStringGrid {
    Left = 8
    Top = 132
    Width = 300
    Height = 200
    ColCount = 3
    RowCount = 16
    FixedCols = 0
    FixedRows = 0
    ColWidths = (83, 171, 107)
    Options = [goFixedVertLine, goVertLine, goRowSelect]
    DefaultRowHeight = 17
  }
  Holder: TTestHolder {
    Left = 1
    Entries.Num = 3
    Entries.Data = <01000000 02000000 ffffffff>
    Secret = 42
    OnPick = HolderPick
  }
}
)";

} // namespace

TEST(FormReader, LoadsValuesReferencesHandlersAndStoredValues)
{
    auto form = load(QString::fromUtf8(realistic));
    EXPECT_EQ(form->created, 1);
    EXPECT_EQ(form->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(form->Caption(), QStringLiteral("Customer List"));
    EXPECT_EQ(form->Font()->Name(), QStringLiteral("System"));

    auto *menu = qobject_cast<TPopupMenu *>(form->findComponent(u"PopupMenu1"));
    ASSERT_TRUE(menu);
    EXPECT_EQ(form->PopupMenu(), menu);
    ASSERT_EQ(menu->items().size(), 2);
    menu->items()[0]->Click();
    menu->items()[1]->Click();   // disabled: no handler
    EXPECT_EQ(form->clicks, 1);

    auto *label = qobject_cast<TLabel *>(form->findComponent(u"Label1"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->Caption(), QStringLiteral("Owner \u00e9"));
    EXPECT_EQ(label->parentWidget(), form->findComponent(u"Panel1"));
    EXPECT_TRUE(label->Font()->Style().testFlag(Tk::TFontStyle::fsBold));
    EXPECT_EQ(label->Font()->Height(), -13);   // inherited from the form

    auto *combo = qobject_cast<TComboBox *>(form->findComponent(u"OwnerCombo"));
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->Items(), QStringList({QStringLiteral("Area1"), QStringLiteral("Area2")}));

    auto *grid = qobject_cast<TStringGrid *>(form->findComponent(u"Grid1"));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->ColWidths(), QList<int>({83, 171, 107}));
    EXPECT_TRUE(grid->Options().testFlag(Tk::TGridOption::goRowSelect));

    auto *holder = qobject_cast<TTestHolder *>(form->findComponent(u"Holder"));
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->Entries()->values, QList<int>({1, 2, -1}));
    EXPECT_EQ(holder->secret, 42);
    int to = 0;
    EXPECT_TRUE(holder->pick(5, to));
    EXPECT_EQ(to, 15);
    EXPECT_FALSE(holder->isLoading());
}

TEST(FormReader, WritingAndReadingAgainGivesTheSameDefinition)
{
    auto first = load(QString::fromUtf8(realistic));
    const QString written = FormWriter::write(first.get());
    auto second = load(written);
    const QString again = FormWriter::write(second.get());
    const QStringList a = written.split(u'\n');
    const QStringList b = again.split(u'\n');
    for (int i = 0; i < std::min(a.size(), b.size()); ++i)
        ASSERT_EQ(a[i], b[i]) << "line " << i + 1;
    EXPECT_EQ(a.size(), b.size());
    EXPECT_TRUE(written.contains(QStringLiteral("Entries.Data = <01000000 02000000 ffffffff>"))) << written.toStdString();
    EXPECT_TRUE(written.contains(QStringLiteral("Secret = 42")));
    EXPECT_TRUE(written.contains(QStringLiteral("OnPick = HolderPick")));
    EXPECT_TRUE(written.contains(QStringLiteral("PopupMenu = PopupMenu1")));
    // Read block by block from the bytes the build ships, it is the same form.
    std::unique_ptr<TReaderForm, TestSupport::FormDeleter> streamed(new TReaderForm(nullptr));
    FormReader::loadCompiled(streamed.get(), compiled(QString::fromUtf8(realistic)), QStringLiteral("r.form"));
    EXPECT_EQ(FormWriter::write(streamed.get()), written);
    auto *holder = qobject_cast<TTestHolder *>(second->findComponent(u"Holder"));
    ASSERT_TRUE(holder);
    EXPECT_EQ(holder->Entries()->values, QList<int>({1, 2, -1}));
    auto *label = qobject_cast<TLabel *>(second->findComponent(u"Label1"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->parentWidget(), second->findComponent(u"Panel1"));
}

TEST(FormReader, MalformedDefinitionsNameTheirPlaceAndLoadNothing)
{
    struct Row {
        const char *name;
        const char *text;
        int line;
        int column;
        const char *says;
    };
    const Row rows[] = {
        {"unknown class", "F: TReaderForm {\n  A: TLabel { }\n  B: TNoSuchThing { }\n}", 3, 3, "unknown class TNoSuchThing"},
        {"unknown property", "F: TReaderForm {\n  A: TLabel {\n    Colour = clRed\n  }\n}", 3, 5, "no property Colour"},
        {"lower-case property", "F: TReaderForm {\n  A: TLabel { geometry = 1 }\n}", 2, 15, "no property geometry"},
        {"wrong value type", "F: TReaderForm {\n  A: TLabel {\n    Caption = 12\n  }\n}", 3, 15, "takes a string"},
        {"wrong enum value", "F: TReaderForm {\n  A: TLabel { Align = alMiddle }\n}", 2, 23, "alMiddle is no value"},
        {"int out of range", "F: TReaderForm {\n  A: TLabel { Left = 4294967296 }\n}", 2, 22, "out of range"},
        {"bool as int", "F: TReaderForm {\n  A: TLabel { Visible = 1 }\n}", 2, 25, "true or false"},
        {"unknown handler", "F: TReaderForm {\n  M: TPopupMenu {\n    I: TMenuItem { OnClick = NoSuchHandler }\n  }\n}", 3, 30, "no handler NoSuchHandler"},
        {"handler of wrong shape", "F: TReaderForm {\n  H: TTestHolder { OnPick = Item1Click }\n}", 2, 29, "no handler Item1Click"},
        {"dangling reference", "F: TReaderForm {\n  PopupMenu = Missing\n}", 2, 15, "no component named Missing"},
        {"reference of wrong class", "F: TReaderForm {\n  A: TLabel { }\n  PopupMenu = A\n}", 3, 15, "needs a TPopupMenu"},
        {"data length mismatch", "F: TReaderForm {\n  H: TTestHolder {\n    Entries.Num = 2\n    Entries.Data = <01000000>\n  }\n}", 4, 20, "different number"},
        {"duplicate name", "F: TReaderForm {\n  A: TLabel { }\n  a: TEdit { }\n}", 3, 3, "exists already"},
        {"root of another class", "F: TForm1 {\n}", 1, 1, "for class TForm1"},
        {"sub-object of a plain value", "F: TReaderForm {\n  A: TLabel { Caption.Text = \"x\" }\n}", 2, 15, "no properties of its own"},
        {"assigning a sub-object", "F: TReaderForm {\n  Font = A\n}", 2, 3, "holds an object"},
        {"control inside a menu", "F: TReaderForm {\n  M: TPopupMenu {\n    A: TLabel { }\n  }\n}", 3, 5, "cannot stand inside"},
    };
    // Each from its text and from its compiled bytes read block by block,
    // where part of the form is made before the fault is met.
    for (const Row &row : rows) {
        for (const bool fromBytes : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (fromBytes ? " (compiled)" : ""));
            std::unique_ptr<TReaderForm, TestSupport::FormDeleter> form(new TReaderForm(nullptr));
            const QString text = QString::fromUtf8(row.text);
            TestSupport::expectDefinitionError(
                [&] {
                    if (fromBytes)
                        FormReader::loadCompiled(form.get(), compiled(text), QStringLiteral("bad.form"));
                    else
                        FormReader::load(form.get(), text, QStringLiteral("bad.form"));
                },
                QStringLiteral("bad.form"), row.line, row.column, row.says);
            TestSupport::settle();
            EXPECT_EQ(form->componentCount(), 0) << "a failed load must leave nothing behind";
            EXPECT_FALSE(form->isLoading());
        }
    }
    // Compiled bytes cut short anywhere: refused, and nothing left behind.
    const QByteArray bytes = compiled(QString::fromUtf8(realistic));
    for (qsizetype n = 0; n < bytes.size(); n += 97) {
        std::unique_ptr<TReaderForm, TestSupport::FormDeleter> form(new TReaderForm(nullptr));
        EXPECT_THROW(FormReader::loadCompiled(form.get(), bytes.left(n), QStringLiteral("bad.form")), DefinitionError) << n;
        TestSupport::settle();
        EXPECT_EQ(form->componentCount(), 0) << n;
        EXPECT_FALSE(form->isLoading()) << n;
    }
}

TEST(FormReader, MissingFileIsAnErrorNotACrash)
{
    std::unique_ptr<TReaderForm, TestSupport::FormDeleter> form(new TReaderForm(nullptr));
    try {
        FormReader::loadFile(form.get(), QStringLiteral(":/forms/NoSuch.form"));
        ADD_FAILURE() << "no error";
    } catch (const DefinitionError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("cannot open")));
    }
}

#include "FormReaderTest.moc"

TEST(FormReader, OnlyAControlDisabledItselfLooksDisabled)
{
    // What a disabled panel holds keeps its input away but looks enabled,
    // whether the panel was disabled in the definition or afterwards.
    const QPalette before = QApplication::palette();
    QApplication::setPalette(Colors::classicPalette());
    auto form = load(QStringLiteral(R"(Form1: TReaderForm {
      Outer: TPanel { Enabled = false  Inner: TPanel { Edit1: TEdit { } } }
      Other: TPanel { Edit2: TEdit { } }
    })"));
    const auto looksDisabled = [&form](const char16_t *name) {
        const QPalette pal = qobject_cast<QWidget *>(form->findComponent(name))->palette();
        return pal.color(QPalette::Disabled, QPalette::Text) != pal.color(QPalette::Active, QPalette::Text);
    };
    EXPECT_TRUE(looksDisabled(u"Outer"));
    EXPECT_FALSE(looksDisabled(u"Inner") || looksDisabled(u"Edit1"));
    auto *other = qobject_cast<TPanel *>(form->findComponent(u"Other"));
    for (const bool enabled : {false, true, false, true}) {   // twice: the second time it keeps its palette
        other->SetEnabled(enabled);
        EXPECT_EQ(looksDisabled(u"Other"), !enabled);
        EXPECT_FALSE(looksDisabled(u"Edit2"));
    }
    qobject_cast<TEdit *>(form->findComponent(u"Edit2"))->SetEnabled(false);
    EXPECT_TRUE(looksDisabled(u"Edit2"));
    form.reset();
    QApplication::setPalette(before);
}
