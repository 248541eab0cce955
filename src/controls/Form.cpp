#include "Form.h"

#include "controls/CColorEdit.h"
#include "controls/CTransparentStatic.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QRect>

namespace {

CTransparentStatic* Static(QWidget* parent, const QString& text, int id, const QRect& place)
{
    auto* s = new CTransparentStatic(text, parent);
    if (id != 0)
        s->setProperty("id", id);
    s->setGeometry(place);
    return s;
}

} // namespace

namespace Form {

CTransparentStatic* Caption(QWidget* parent, const QString& text, int x, int y, int width, int id)
{
    CTransparentStatic* c = Static(parent, text, id, QRect(x, y, width, 18));
    c->SetFont(13);
    return c;
}

CTransparentStatic* Title(QWidget* parent, const QString& text, int x, int y, int width, int id)
{
    CTransparentStatic* t = Static(parent, text, id, QRect(x, y, width, 16));
    t->MakeTitle();
    return t;
}

CTransparentStatic* Explanation(QWidget* parent, const QString& text, int x, int y, int width, int height,
                                int id)
{
    CTransparentStatic* e = Static(parent, text, id, QRect(x, y, width, height));
    e->MakeExplanation();
    e->setWordWrap(true);
    return e;
}

CTransparentStatic* Label(QWidget* parent, const QString& text, int x, int y, int width, int height)
{
    return Static(parent, text, 0, QRect(x, y, width, height));
}

CColorEdit* Field(QWidget* parent, int id, int x, int y, int width, int height)
{
    auto* e = new CColorEdit(parent);
    e->setProperty("id", id);
    e->setGeometry(x, y, width, height);
    return e;
}

CColorEdit* LockedField(QWidget* parent, int id, int x, int y, int width)
{
    CColorEdit* e = Field(parent, id, x, y, width);
    e->SetLocked(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

CColorEdit* ValueField(QWidget* parent, int id, int x, int y, int width)
{
    CColorEdit* e = Field(parent, id, x, y, width, 18);
    e->SetLocked(true);
    e->setFrame(false);
    return e;
}

QRadioButton* Radio(QWidget* parent, int id, const QString& text, int x, int y, int width)
{
    auto* r = new QRadioButton(text, parent);
    r->setProperty("id", id);
    r->setGeometry(x, y, width, 20);
    return r;
}

QButtonGroup* Exclusive(QWidget* parent, std::initializer_list<QRadioButton*> buttons)
{
    auto* group = new QButtonGroup(parent);
    for (QRadioButton* b : buttons)
        group->addButton(b);
    return group;
}

} // namespace Form
