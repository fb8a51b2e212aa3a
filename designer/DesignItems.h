#pragma once

// What the screen designer's "Add" puts on a page: for each entry of the
// field list the items it creates, their kinds, places and hint codes; and
// for each entry of the button list the toolbar controls it shows.

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace DesignItems {

// Entries of the field list with a meaning of their own.
enum Field {
    LabelText = 0,
    StatusDate = 14,
    NextContactDate = 17,
    Notes = 19,
    GroupSubAccountList = 42,
    PreferredTypes = 49,
    LastField = 53,
};
inline constexpr int FieldCount = LastField + 1;
inline constexpr int ButtonCount = 21;

enum class Kind { Label, Edit, CalendarButton, MustCheckBox, Memo, GroupList };

struct Item {
    Kind kind;
    int left;
    int top;
    // The code the item carries in its hint; empty for a label, whose hint
    // is its own text.
    QString hint;
    bool operator==(const Item &) const = default;
};

// The items created for field entry `field`, in creation order; none for an
// entry outside the list. The group list is not created but moved onto the
// page; its one entry names the place of the radio group.
QList<Item> itemsForField(int field);

// The sizes an item starts with (a label then fits its caption).
QSize defaultSize(Kind kind);

// The names of the toolbar controls that button entry `entry` shows; empty
// outside the list.
QStringList controlsForButton(int entry);

// The name of the item created as number `counter`: "N0", "N1", ...
QString itemName(int counter);

// The place of the group list's grid when it is moved onto a page.
inline constexpr int GroupGridLeft = 30;
inline constexpr int GroupGridTop = 100;

} // namespace DesignItems
