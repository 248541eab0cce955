#pragma once

#include <QString>

#include <initializer_list>

class CColorEdit;
class CTransparentStatic;
class QButtonGroup;
class QRadioButton;
class QWidget;

// The widgets of the program's dialogs and views, made at logical pixels of the 240 x 320
// screen: the parent's coordinates, before the zoom. An id, when given, is the widget's "id"
// property, by which the tests find it.
namespace Form {

// How far below a 20-pixel field's top a caption beside it starts, so that their texts line up.
inline constexpr int kCaptionBesideField = 2;

// A caption in the 13-pixel type, 18 pixels high.
CTransparentStatic* Caption(QWidget* parent, const QString& text, int x, int y, int width, int id = 0);
// The bold blue title line of a dialog or page, 16 pixels high.
CTransparentStatic* Title(QWidget* parent, const QString& text, int x, int y, int width, int id = 0);
// Grey words that explain a dialog or page, wrapped to the width.
CTransparentStatic* Explanation(QWidget* parent, const QString& text, int x, int y, int width, int height,
                                int id = 0);
// A label in the parent's type.
CTransparentStatic* Label(QWidget* parent, const QString& text, int x, int y, int width, int height);
// An edit field.
CColorEdit* Field(QWidget* parent, int id, int x, int y, int width, int height = 20);
// A field that shows a figure and takes no typing or focus.
CColorEdit* LockedField(QWidget* parent, int id, int x, int y, int width);
// A figure shown without a frame, 18 pixels high, as a line of text.
CColorEdit* ValueField(QWidget* parent, int id, int x, int y, int width);
QRadioButton* Radio(QWidget* parent, int id, const QString& text, int x, int y, int width);
// Radio buttons of which one at a time is chosen, whatever else their parent holds; the group
// belongs to the parent.
QButtonGroup* Exclusive(QWidget* parent, std::initializer_list<QRadioButton*> buttons);

} // namespace Form
