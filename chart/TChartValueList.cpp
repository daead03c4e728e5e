#include "chart/TChartValueList.h"

namespace otpor {

int TChartValueList::AddValue(double v)
{
    const int count = Count();
    int index = count;
    if (order_ == loAscending && count > 0 && !(v >= values_.back())) {
        index = count - 1;
        while (index >= 0 && values_[static_cast<std::size_t>(index)] > v)
            --index;
        ++index;
    } else if (order_ == loDescending && count > 0 && !(v <= values_.back())) {
        index = count - 1;
        while (index >= 0 && values_[static_cast<std::size_t>(index)] < v)
            --index;
        ++index;
    }
    InsertValue(index, v);
    return index;
}

void TChartValueList::InsertValue(int index, double v)
{
    if (index < 0)
        index = 0;
    if (index >= Count())
        values_.push_back(v);
    else
        values_.insert(values_.begin() + index, v);
    UpdateExtremes(v);
}

void TChartValueList::Clear()
{
    values_.clear();
    listMin_ = 0;
    listMax_ = 0;
}

void TChartValueList::UpdateExtremes(double v)
{
    if (values_.size() == 1) {
        listMin_ = v;
        listMax_ = v;
        return;
    }
    if (v < listMin_)
        listMin_ = v;
    if (v > listMax_)
        listMax_ = v;
}

} // namespace otpor
