#include "ColourQuantizer.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace artgen {

namespace {

struct ColourCount {
    QRgb colour;
    int count;
};

int channel(QRgb c, int which) {
    return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c);
}

// A box of colours of the median cut, as a range [begin, end) of the shared colour list.
struct Box {
    int begin, end;
    int widest = 0;  // channel with the widest range
    int range = 0;
    long long weight = 0;
};

void measure(Box& box, const std::vector<ColourCount>& colours) {
    std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
    box.weight = 0;
    for (int i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], channel(colours[i].colour, c));
            hi[c] = std::max(hi[c], channel(colours[i].colour, c));
        }
        box.weight += colours[i].count;
    }
    box.range = -1;
    for (int c = 0; c < 3; ++c)
        if (hi[c] - lo[c] > box.range) {
            box.range = hi[c] - lo[c];
            box.widest = c;
        }
}

QList<QRgb> medianCut(std::vector<ColourCount> colours, int maxColours) {
    std::vector<Box> boxes{{0, static_cast<int>(colours.size())}};
    measure(boxes[0], colours);
    while (static_cast<int>(boxes.size()) < maxColours) {
        // Split the box that spreads most: range weighted by how many pixels it covers.
        auto worst = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return a.range * a.weight < b.range * b.weight;
        });
        if (worst->range <= 0 || worst->end - worst->begin < 2) break;
        Box box = *worst;
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [&](const ColourCount& a, const ColourCount& b) {
                      return channel(a.colour, box.widest) < channel(b.colour, box.widest);
                  });
        long long half = box.weight / 2, seen = 0;
        int cut = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            seen += colours[i].count;
            cut = i + 1;
            if (seen >= half) break;
        }
        Box low{box.begin, cut}, high{cut, box.end};
        measure(low, colours);
        measure(high, colours);
        *worst = low;
        boxes.push_back(high);
    }
    QList<QRgb> palette;
    for (const Box& box : boxes) {
        long long r = 0, g = 0, b = 0;
        for (int i = box.begin; i < box.end; ++i) {
            r += qRed(colours[i].colour) * static_cast<long long>(colours[i].count);
            g += qGreen(colours[i].colour) * static_cast<long long>(colours[i].count);
            b += qBlue(colours[i].colour) * static_cast<long long>(colours[i].count);
        }
        const long long w = std::max<long long>(box.weight, 1);
        palette.append(qRgb(int(r / w), int(g / w), int(b / w)));
    }
    return palette;
}

int nearest(const QList<QRgb>& palette, int first, QRgb c) {
    int best = first, bestDistance = INT32_MAX;
    for (int i = first; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                  db = qBlue(c) - qBlue(palette[i]);
        const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

}  // namespace

IndexedPicture quantize(const QImage& source, const QColor& matte) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    IndexedPicture out;
    out.width = image.width();
    out.height = image.height();
    const int total = out.width * out.height;

    // Blend every kept pixel over the matte; mark the dropped ones.
    std::vector<QRgb> solid(total);
    std::vector<bool> hole(total, false);
    for (int y = 0; y < out.height; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < out.width; ++x) {
            const QRgb px = row[x];
            const int a = qAlpha(px), i = y * out.width + x;
            if (a < 128) {
                hole[i] = true;
                out.transparent = true;
                continue;
            }
            auto mix = [&](int s, int m) { return (s * a + m * (255 - a) + 127) / 255; };
            solid[i] = qRgb(mix(qRed(px), matte.red()), mix(qGreen(px), matte.green()),
                            mix(qBlue(px), matte.blue()));
        }
    }

    QHash<QRgb, int> counts;
    for (int i = 0; i < total; ++i)
        if (!hole[i]) ++counts[solid[i]];
    const int first = out.transparent ? 1 : 0;
    const int room = 256 - first;

    if (out.transparent) out.palette.append(matte.rgb());
    QHash<QRgb, int> indexOf;
    if (counts.size() <= room) {
        for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
            indexOf.insert(it.key(), out.palette.size());
            out.palette.append(it.key());
        }
    } else {
        std::vector<ColourCount> colours;
        colours.reserve(counts.size());
        for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
            colours.push_back({it.key(), it.value()});
        out.palette.append(medianCut(std::move(colours), room));
        for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
            indexOf.insert(it.key(), nearest(out.palette, first, it.key()));
    }
    if (out.palette.isEmpty()) out.palette.append(matte.rgb());

    out.indices.resize(total);
    for (int i = 0; i < total; ++i)
        out.indices[i] = hole[i] ? 0 : static_cast<uint8_t>(indexOf.value(solid[i]));
    return out;
}

}  // namespace artgen
