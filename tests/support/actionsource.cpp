// SPDX-License-Identifier: GPL-3.0-or-later
#include "actionsource.h"

#include "windowsession.h"

#include <QKeySequence>

namespace randomsession {

namespace {

// Each kind's name in the tally, and how a user is told to do it again.
const struct
{
    const char *name;
    const char *howTo;
} kinds[] = {
    {"pick by keys", "pick {text} in the {list} list with the arrow keys"},
    {"pick by wheel", "turn the mouse wheel {wheel} over the {list} list"},
    {"pick from popup", "open the {list} list, move to {text} and close it with {closing}"},
    {"cancel popup", "open the {list} list, move to {text} and close it with {closing}"},
    {"type", "type {text} in the search box"},
    {"compose", "enter {text} in the search box through the input method"},
    {"backspace", "press Backspace {number} times in the search box"},
    {"delete", "press Delete {number} times in the search box"},
    {"home", "press Home in the search box"},
    {"end", "press End in the search box"},
    {"select all+delete", "press Ctrl+A, Delete in the search box"},
    {"paste", "paste {text} into the search box"},
    {"paste over all", "press Ctrl+A and paste {text} into the search box"},
    {"reset search", "press \"Reset Search\" {by}"},
    {"reset filters", "press \"Reset Sort Criteria\" {by}"},
    {"header click", "click the header of column {number}"},
    {"row click", "click the row at position {number}, cell {cell}"},
    {"row double click", "double-click the row at position {number}, cell {cell}"},
    {"empty click", "click the empty part of the list"},
    {"empty double click", "double-click the empty part of the list"},
    {"key in list", "press {key} in the list{held}"},
    {"resize", "resize the window to {size}"},
    {"minimise", "minimise the window"},
    {"restore", "restore the window"},
    {"shell answer", "let the shell answer {number} from now on"},
};

} // namespace

QString quoted(const QString &text)
{
    QString shown;
    const QList<uint> points = text.toUcs4();
    for (qsizetype i = 0; i < points.size() && i < 60; ++i) {
        const uint c = points[i];
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\')
            shown += QChar(c);
        else
            shown += QStringLiteral("\\u{%1}").arg(
                QString::number(c, 16).toUpper().rightJustified(4, u'0'));
    }
    if (points.size() > 60)
        return QStringLiteral("\"%1...\" (%2 characters in all)")
            .arg(shown, QString::number(points.size()));
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

const char *kindName(Action::Kind kind)
{
    return kinds[kind].name;
}

QString describe(const Action &a)
{
    // The text goes in last, so that braces a user typed stay as typed.
    const std::pair<const char *, QString> fields[] = {
        {"{list}", QString::fromLatin1(dropDownNames[std::clamp(a.number, 0, 2)])},
        {"{number}", QString::number(a.number)},
        {"{other}", QString::number(a.other)},
        {"{cell}", QString::number(a.other + 1)},
        {"{wheel}", a.other > 0 ? "down" : "up"},
        {"{by}", a.other ? "with the Space key" : "with the mouse"},
        {"{key}", QKeySequence(QKeyCombination(a.modifiers, Qt::Key(a.key))).toString()},
        {"{held}", a.other > 1 ? QStringLiteral(", held for %1 key-downs").arg(a.other) : ""},
        {"{closing}",
         QString::fromLatin1(
             listClosings[std::clamp(a.other, 0, int(std::size(listClosings)) - 1)].name)},
        {"{size}", QStringLiteral("%1 x %2").arg(a.size.width()).arg(a.size.height())},
        {"{text}", quoted(a.text)}};
    QString told = QString::fromLatin1(kinds[a.kind].howTo);
    for (const auto &[field, value] : fields)
        told.replace(QLatin1String(field), value);
    return told;
}

Action ActionSource::next(const Session &session)
{
    if (session.model().minimised())
        return windowAction(session);
    if (session.model().shownRows().isEmpty() && chance(50))
        return widening(session);
    const int roll = below(100);
    if (roll < 18)
        return dropDownAction(session);
    if (roll < 55)
        return searchAction(session);
    if (roll < 88)
        return listAction(session);
    return windowAction(session);
}

// What a user does when the list has become empty: widens the choice again.
Action ActionSource::widening(const Session &session)
{
    const int roll = below(100);
    if (roll < 25 && !session.model().search().isEmpty())
        return {Action::Backspace, 1 + below(5)};
    if (roll < 40)
        return {Action::ResetSearch, 0, below(2)};
    if (roll < 55)
        return {Action::SelectAllDelete};
    if (roll < 75)
        return {Action::PasteOverAll, 0, 0, fragment()};
    if (roll < 90)
        return {Action::ResetSort, 0, below(2)};
    const int list = below(3);
    return {Action::PickByKeys, list, 0, SessionModel::papers().codeLists[list].first()};
}

Action ActionSource::dropDownAction(const Session &session)
{
    const int list = below(3);
    const QStringList &entries = session.dropDownOrder(list);
    const SessionModel &model = session.model();
    const int filtersOn = (model.filter(0) > 0) + (model.filter(1) > 0) + (model.filter(2) > 0);
    // Mostly one filter at a time, so that the list is seldom empty.
    const QString target = chance(20 + 25 * filtersOn)
                               ? SessionModel::papers().codeLists[list].first()
                               : oneOf(entries);
    const int roll = below(100);
    if (roll < 10)
        return {Action::ResetSort, 0, below(2)};
    if (roll < 60)
        return {Action::PickByKeys, list, 0, target};
    if (roll < 78)
        return {Action::PickByWheel, list, chance(50) ? 1 : -1};
    if (roll < 94)
        return {Action::PickFromPopup, list, closing(true), target};
    return {Action::CancelPopup, list, closing(false), oneOf(entries)};
}

// One of the ways to close an open list that pick the highlighted entry, or
// of those that keep the shown one.
int ActionSource::closing(bool picks)
{
    QList<int> ways;
    for (int i = 0; i < int(std::size(listClosings)); ++i) {
        if (listClosings[i].picks == picks)
            ways.append(i);
    }
    return oneOf(ways);
}

Action ActionSource::searchAction(const Session &session)
{
    const int length = int(session.model().search().size());
    const int roll = below(100);
    if (roll < 30 && length < 2000)
        return {Action::Type, 0, 0, someText(chance(3))};
    if (roll < 36 && length < 2000)
        return {Action::Compose, 0, 0, someText(false)};
    if (roll < 55)
        return {Action::Backspace, 1 + below(chance(80) ? 3 : 40)};
    if (roll < 61)
        return {Action::DeleteForward, 1 + below(4)};
    if (roll < 66)
        return {Action::Home};
    if (roll < 70)
        return {Action::End};
    if (roll < 77)
        return {Action::SelectAllDelete};
    if (roll < 85 && length < 8000)
        return {Action::Paste, 0, 0, someText(chance(25))};
    if (roll < 90)
        return {Action::PasteOverAll, 0, 0, someText(chance(25))};
    return {Action::ResetSearch, 0, below(2)};
}

Action ActionSource::listAction(const Session &session)
{
    const int rows = int(session.model().shownRows().size());
    const int roll = below(100);
    if (roll < 20)
        return {Action::ClickHeader, 1 + below(6)};
    if (roll < 45 && rows > 0)
        return {Action::ClickRow, below(rows), below(6)};
    if (roll < 55 && rows > 0)
        return {Action::DoubleClickRow, below(rows), below(6)};
    if (roll < 59)
        return {Action::ClickEmpty};
    if (roll < 65)
        return {Action::DoubleClickEmpty};
    static const QList<Qt::KeyboardModifiers> modifiers = {
        Qt::NoModifier,      Qt::NoModifier,  Qt::ShiftModifier,
        Qt::ControlModifier, Qt::AltModifier, Qt::ShiftModifier | Qt::ControlModifier};
    Action key{.kind = Action::KeyInList, .modifiers = oneOf(modifiers)};
    if (chance(55)) {
        key.key = chance(75) ? Qt::Key_Return : Qt::Key_Enter;
        if (key.key == Qt::Key_Enter)
            key.modifiers |= Qt::KeypadModifier;
        key.other = chance(80) ? 1 : 2 + below(3);
    } else {
        static const QList<int> others = {
            Qt::Key_Down,   Qt::Key_Up,        Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home,
            Qt::Key_End,    Qt::Key_Left,      Qt::Key_Right,    Qt::Key_Space,  Qt::Key_Escape,
            Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_F2,       Qt::Key_F5,     Qt::Key_A,
            Qt::Key_M,      Qt::Key_1,         Qt::Key_Insert,   Qt::Key_Shift,  Qt::Key_Control};
        key.key = oneOf(others);
        key.other = 1;
    }
    return key;
}

Action ActionSource::windowAction(const Session &session)
{
    static const QList<int> answers = {42, 31, 31, 2, 32, 33, 0};
    const bool minimised = session.model().minimised();
    const int roll = below(100);
    if (minimised && roll < 65)
        return {Action::Restore};
    if (!minimised && roll < 20)
        return {Action::ShellAnswer, oneOf(answers)};
    if (!minimised && roll < 30)
        return {Action::Minimise};
    return {.kind = Action::Resize, .size = someSize()};
}

QSize ActionSource::someSize()
{
    static const QList<QSize> edges = {
        {1, 1},     {40, 30},    {101, 700}, {102, 700},   {700, 263},  {700, 264},
        {101, 263}, {102, 264},  {101, 264}, {102, 263},   {102, 308},  {2600, 1800},
        {812, 624}, {1600, 150}, {60, 1400}, {2049, 1601}, {2600, 264}, {102, 1800}};
    const int roll = below(100);
    if (roll < 45)
        return oneOf(edges);
    if (roll < 60)
        return {1 + below(140), 1 + below(320)};
    return {102 + below(1500), 264 + below(1000)};
}

QString ActionSource::someText(bool mayBeLong)
{
    static const QStringList ascii = {"a",    "e",    "n", "in",  "the", "of", "Re", "x",
                                      "Z",    "q",    "-", ",",   ":",   "(",  "'",  "1",
                                      "2002", ".doc", "&", "s&t", "?",   "/",  "~"};
    static const QStringList accented = {"é", "É", "ö", "Ö", "ü", "Ü", "ø", "Ø", "å",
                                         "Å", "ß", "ç", "Ç", "ñ", "ð", "Þ", "þ", "´",
                                         "à", "À", "æ", "Æ", "ÿ", "î", "Î"};
    static const QStringList beyond = {"α", "Ω", "ж", "Я", "中文", "日本語", "ł",
                                       "Ł", "ő", "Ş", "ğ", "č",    "€",      "—",
                                       "…", "“", "”", "™", "ā",    "Ɛ",      "ᵃ"};
    static const QStringList emoji = {"😀",           "🎉",    "👍🏽", "🇩🇰",
                                      "👩‍🔬", "🧪", "❤️",   "𝔸"};
    static const QStringList rightToLeft = {"שלום", "עברית", "مرحبا", "سلام", "ש", "ب", "שלום ab"};
    static const QStringList combining = {"e\u0301", "a\u0308", "o\u0303", "\u0301",
                                          "\u0327",  "n\u0303", "u\u0308", "A\u030A"};
    static const QStringList blanks = {" ", " ", "  ", "   ", "\u00A0", " \u00A0 "};
    if (mayBeLong)
        return longText();
    const int roll = below(100);
    if (roll < 45)
        return fragment();
    if (roll < 58)
        return changeCase(oneOf(ascii));
    if (roll < 68)
        return oneOf(accented);
    if (roll < 75)
        return oneOf(beyond);
    if (roll < 80)
        return oneOf(emoji);
    if (roll < 85)
        return oneOf(rightToLeft);
    if (roll < 91)
        return oneOf(combining);
    return oneOf(blanks);
}

// A piece of a real given name, family name or title, so searches often match.
QString ActionSource::fragment()
{
    const Paper &paper = oneOf(SessionModel::papers().rows);
    const int which = below(10);
    const QString cell = which < 3 ? paper.firstname : which < 6 ? paper.lastname : paper.title;
    if (chance(10))
        return chance(70) ? cell : paper.cells[1]; // the whole cell, or the author as shown
    const int start = below(int(cell.size()));
    const int length = 1 + below(std::min(12, int(cell.size()) - start));
    return changeCase(cell.mid(start, length));
}

// Changes case only where both letters lie in the catalogue's character range.
QString ActionSource::changeCase(QString text)
{
    const int how = below(4);
    for (QChar &c : text) {
        const bool upper = how == 1 || (how == 3 && chance(50));
        const QChar changed = how == 0 ? c : upper ? c.toUpper() : c.toLower();
        if (changed.unicode() <= 0xff)
            c = changed;
    }
    return text;
}

QString ActionSource::longText()
{
    const int length = 250 + below(2750);
    QString text;
    if (chance(50)) {
        const QString piece = fragment() + (chance(50) ? QStringLiteral(" ") : QString());
        while (text.size() < length)
            text += piece;
    } else {
        while (text.size() < length)
            text += QChar(0x20 + below(0x5f));
    }
    return text.left(length);
}

} // namespace randomsession
