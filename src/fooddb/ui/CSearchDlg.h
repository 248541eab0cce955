#pragma once

#include "app/ui/CFullScreenDialog.h"

#include <array>

class QLineEdit;

// "Search": up to three parts of a food's name, all of which a found food holds.
class CSearchDlg : public CFullScreenDialog
{
    Q_OBJECT

public:
    static constexpr int kTemplate = 256;

    explicit CSearchDlg(QWidget* parent = nullptr);

    std::array<QString, 3> Terms() const;
    QLineEdit* Term(int i) const { return m_terms[static_cast<size_t>(i)]; }

private:
    std::array<QLineEdit*, 3> m_terms{};
};
