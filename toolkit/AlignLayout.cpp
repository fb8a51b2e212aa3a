#include "toolkit/AlignLayout.h"

#include <algorithm>
#include <numeric>

namespace {

std::vector<size_t> ordered(const std::vector<AlignLayout::Item> &items, Tk::TAlign align)
{
    std::vector<size_t> idx;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].align == align)
            idx.push_back(i);
    }
    auto key = [&](size_t i) {
        const QRect &r = items[i].bounds;
        switch (align) {
        case Tk::TAlign::alTop: return r.top();
        case Tk::TAlign::alBottom: return -(r.top() + r.height());
        case Tk::TAlign::alLeft: return r.left();
        case Tk::TAlign::alRight: return -(r.left() + r.width());
        default: return 0;
        }
    };
    std::stable_sort(idx.begin(), idx.end(), [&](size_t a, size_t b) { return key(a) < key(b); });
    return idx;
}

} // namespace

void AlignLayout::arrange(const QRect &client, std::vector<Item> &items)
{
    int left = client.left();
    int top = client.top();
    int right = client.left() + client.width();
    int bottom = client.top() + client.height();

    for (size_t i : ordered(items, Tk::TAlign::alTop)) {
        const int h = items[i].bounds.height();
        items[i].bounds = QRect(left, top, std::max(0, right - left), h);
        top += h;
    }
    for (size_t i : ordered(items, Tk::TAlign::alBottom)) {
        const int h = items[i].bounds.height();
        bottom -= h;
        items[i].bounds = QRect(left, bottom, std::max(0, right - left), h);
    }
    for (size_t i : ordered(items, Tk::TAlign::alLeft)) {
        const int w = items[i].bounds.width();
        items[i].bounds = QRect(left, top, w, std::max(0, bottom - top));
        left += w;
    }
    for (size_t i : ordered(items, Tk::TAlign::alRight)) {
        const int w = items[i].bounds.width();
        right -= w;
        items[i].bounds = QRect(right, top, w, std::max(0, bottom - top));
    }
    for (size_t i : ordered(items, Tk::TAlign::alClient))
        items[i].bounds = QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}
