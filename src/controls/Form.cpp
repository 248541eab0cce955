#include "Form.h"

#include "controls/CColorEdit.h"
#include "controls/CTransparentStatic.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace Form {

CTransparentStatic* Caption(QWidget* parent, const QString& text, int x, int y, int width, int id)
{
    auto* c = new CTransparentStatic(text, parent);
    if (id != 0)
        c->setProperty("id", id);
    c->SetFont(13);
    c->setGeometry(x, y, width, 18);
    return c;
}

CTransparentStatic* Title(QWidget* parent, const QString& text, int x, int y, int width, int id)
{
    auto* t = new CTransparentStatic(text, parent);
    if (id != 0)
        t->setProperty("id", id);
    t->MakeTitle();
    t->setGeometry(x, y, width, 16);
    return t;
}

CTransparentStatic* Explanation(QWidget* parent, const QString& text, int x, int y, int width, int height,
                                int id)
{
    auto* e = new CTransparentStatic(text, parent);
    if (id != 0)
        e->setProperty("id", id);
    e->MakeExplanation();
    e->setWordWrap(true);
    e->setGeometry(x, y, width, height);
    return e;
}

CTransparentStatic* Label(QWidget* parent, const QString& text, int x, int y, int width, int height)
{
    auto* l = new CTransparentStatic(text, parent);
    l->setGeometry(x, y, width, height);
    return l;
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
    auto* e = new CColorEdit(parent);
    e->setProperty("id", id);
    e->SetLocked(true);
    e->setFrame(false);
    e->setGeometry(x, y, width, 18);
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
