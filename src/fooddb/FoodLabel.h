#pragma once

#include "platform/IDrawSurface.h"

#include <QString>

#include <vector>

class RecordStore;

// A food's nutrition facts for one serving, laid out as a nutrition label.
class FoodLabel
{
public:
    struct Row
    {
        int y = 0;
        QString label;
        QString value;
        int valueRight = 0; // the value's right edge
        QString percent;    // empty: none
    };
    static constexpr int kTextHeight = 11;
    static constexpr int kPercentRight = 224;

    // The food with its default serving; a composite with the values of its components.
    static FoodLabel Of(RecordStore& store, quint32 foodId);

    const QString& Name() const { return m_name; }
    const QString& Serving() const { return m_serving; }
    const QString& WeightText() const { return m_weight; }
    const std::vector<Row>& Rows() const { return m_rows; }

    void Paint(IDrawSurface& s) const;

private:
    QString m_name;
    QString m_serving;
    QString m_weight;
    std::vector<Row> m_rows;
};
