#include "CProfilesDlg.h"

#include "controls/CTransparentStatic.h"
#include "diary/CFoodDBDoc.h"

#include <QComboBox>

#include <algorithm>

CProfilesDlg::CProfilesDlg(CFoodDBDoc& doc, QWidget* parent)
    : CFullScreenDialog(tr("Profiles"), tr("Profiles"), QStringLiteral("#file_open_profile"), kTemplate,
                        parent)
{
    auto* label = new CTransparentStatic(tr("Select profile:"), this);
    label->setGeometry(6, kSeparatorY + 8, 228, 16);
    m_list = new QComboBox(this);
    m_list->setProperty("id", 1051);
    m_list->setGeometry(6, kSeparatorY + 26, 228, 22);

    // Names in alphabetical order, each with its profile id; read with a table of our own so
    // the document's open profile stays in its buffer.
    CProfileTable profiles(doc.Diary().Store(), doc.TheClock());
    std::vector<std::pair<QString, quint32>> entries;
    for (RecordOid o = profiles.First(); o; o = profiles.Next())
        if (profiles.Load())
            entries.emplace_back(profiles.Buffer().name, profiles.Buffer().id);
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
    for (const auto& [name, id] : entries)
        m_list->addItem(name, id);
    m_list->setCurrentIndex(-1);
    AddButtons();
}

void CProfilesDlg::accept()
{
    if (m_list->currentIndex() < 0)
        return; // nothing chosen: the dialog stays
    m_chosen = m_list->currentData().toUInt();
    CFullScreenDialog::accept();
}
