// Text on a canvas: measuring and DrawText. Lines are laid out here, with
// Qt's font metrics; Qt rasterises each line into a coverage image of the
// visible part of the rectangle, which is then blended onto the surface in
// the font's colour. Nothing is written outside that visible part.
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GuiApplication.h"
#include "platform/gfx/QtFont.h"

namespace tresilva {

std::string DrawTextBuffer(const std::string& text) {
    const std::string s = text.substr(0, text.find('\0'));
    std::size_t end = 0;
    for (int count = 0; end < s.size() && count < 255; ++count) {
        ++end;
        while (end < s.size() && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) ++end;
    }
    return s.substr(0, end);
}

namespace {

// One displayed line: its characters and which of them carry the accelerator underline.
struct Line {
    QString text;
    std::vector<bool> underlined;
};

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

class TextLayout {
public:
    TextLayout(const QFontMetrics& metrics, unsigned format)
        : fm_(metrics), format_(format), tabWidth_(std::max(1, 8 * metrics.averageCharWidth())) {}

    int TabWidth() const { return tabWidth_; }

    // Advance of text[from, to) placed at the start of a line; tabs go to the next stop.
    int Width(const QString& text, qsizetype from, qsizetype to) const {
        int x = 0;
        qsizetype start = from;
        for (qsizetype i = from; i < to; ++i) {
            if (text[i] != u'\t') continue;
            x += fm_.horizontalAdvance(text.mid(start, i - start));
            x = Tab(x);
            start = i + 1;
        }
        return x + fm_.horizontalAdvance(text.mid(start, to - start));
    }

    int Tab(int x) const {
        if ((format_ & DT_EXPANDTABS) != 0) return (x / tabWidth_ + 1) * tabWidth_;
        return x + fm_.horizontalAdvance(u' ');
    }

    // Splits text into displayed lines, wrapping at blanks within `width` when asked.
    std::vector<Line> Lines(const QString& text, const std::vector<bool>& marks, int width) const {
        std::vector<Line> lines;
        const bool single = (format_ & DT_SINGLELINE) != 0;
        const bool wrap = (format_ & DT_WORDBREAK) != 0 && !single;
        qsizetype start = 0;
        const qsizetype n = text.size();
        while (start < n) {
            qsizetype end = start;
            while (end < n && text[end] != u'\r' && text[end] != u'\n') ++end;
            if (single) {
                // One line: breaks are not shown.
                Line line;
                for (qsizetype i = 0; i < n; ++i) {
                    if (text[i] == u'\r' || text[i] == u'\n') continue;
                    line.text.append(text[i]);
                    line.underlined.push_back(marks[static_cast<std::size_t>(i)]);
                }
                lines.push_back(std::move(line));
                return lines;
            }
            if (wrap) {
                Wrap(text, marks, start, end, width, lines);
            } else {
                lines.push_back(Slice(text, marks, start, end));
            }
            // Past the line break: CR LF counts as one.
            if (end < n && text[end] == u'\r' && end + 1 < n && text[end + 1] == u'\n') ++end;
            start = end + 1;
        }
        return lines;
    }

private:
    static Line Slice(const QString& text, const std::vector<bool>& marks, qsizetype from, qsizetype to) {
        Line line;
        line.text = text.mid(from, to - from);
        line.underlined.assign(marks.begin() + from, marks.begin() + to);
        return line;
    }

    // Greedy word wrap of the paragraph [from, to). A word wider than the
    // rectangle stays whole on its own line; blanks at a break are dropped.
    void Wrap(const QString& text, const std::vector<bool>& marks, qsizetype from, qsizetype to, int width,
              std::vector<Line>& lines) const {
        qsizetype start = from;
        if (start == to) {
            lines.push_back(Line{});
            return;
        }
        while (start < to) {
            qsizetype fitEnd = -1;  // end of the last word that fits
            qsizetype i = start;
            while (i < to && IsBlank(text[i])) ++i;  // leading blanks belong to the line
            while (i < to) {
                qsizetype wordEnd = i;
                while (wordEnd < to && !IsBlank(text[wordEnd])) ++wordEnd;
                if (fitEnd >= 0 && Width(text, start, wordEnd) > width) break;
                fitEnd = wordEnd;
                if (Width(text, start, wordEnd) > width) break;  // a lone word too wide: keep it whole
                i = wordEnd;
                while (i < to && IsBlank(text[i])) ++i;
            }
            if (fitEnd < 0) fitEnd = to;  // only blanks left
            lines.push_back(Slice(text, marks, start, fitEnd));
            start = fitEnd;
            while (start < to && IsBlank(text[start])) ++start;
        }
    }

    const QFontMetrics& fm_;
    unsigned format_;
    int tabWidth_;
};

// Removes the accelerator marks: "&x" underlines x, "&&" is one "&".
void StripPrefixes(const QString& raw, bool prefixes, QString& text, std::vector<bool>& marks) {
    text.clear();
    marks.clear();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QChar c = raw[i];
        bool underline = false;
        if (prefixes && c == u'&') {
            if (i + 1 >= raw.size()) break;  // a trailing mark shows nothing
            ++i;
            c = raw[i];
            underline = c != u'&';
        }
        text.append(c);
        marks.push_back(underline);
        // The low half of a surrogate pair shares the mark of its high half.
        if (c.isHighSurrogate() && i + 1 < raw.size()) {
            ++i;
            text.append(raw[i]);
            marks.push_back(underline);
        }
    }
}

std::uint32_t Blend(std::uint32_t dst, std::uint32_t color, int alpha) {
    auto mix = [&](int shift) {
        const int d = static_cast<int>((dst >> shift) & 0xFF);
        const int c = static_cast<int>((color >> shift) & 0xFF);
        return static_cast<std::uint32_t>((c * alpha + d * (255 - alpha) + 127) / 255) << shift;
    };
    return mix(0) | mix(8) | mix(16);
}

}  // namespace

int TCanvas::TextWidth(const std::string& text) {
    EnsureGuiApplication();
    const QFontMetrics fm(ToQFont(font_));
    return fm.horizontalAdvance(QString::fromStdString(text));
}

int TCanvas::TextHeight(const std::string&) {
    EnsureGuiApplication();
    const QFontMetrics fm(ToQFont(font_));
    return fm.height();
}

int TCanvas::DrawText(const std::string& text, TRect& rect, unsigned format) {
    EnsureGuiApplication();
    const QFont qfont = ToQFont(font_);
    const QFontMetrics fm(qfont);
    const TextLayout layout(fm, format);

    QString shown;
    std::vector<bool> marks;
    StripPrefixes(QString::fromStdString(text), (format & DT_NOPREFIX) == 0, shown, marks);
    const std::vector<Line> lines = layout.Lines(shown, marks, rect.Width());
    const int lineHeight = fm.height();
    const int height = static_cast<int>(lines.size()) * lineHeight;

    if ((format & DT_CALCRECT) != 0) {
        int widest = 0;
        for (const Line& line : lines) widest = std::max(widest, layout.Width(line.text, 0, line.text.size()));
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + height;
        return height;
    }

    // What of the rectangle can be written, in surface coordinates.
    const TRect onSurface = Offset(rect, origin_.X, origin_.Y);
    const TRect visible = Intersect(onSurface, WriteArea());
    if (visible.IsEmpty() || lines.empty()) return height;

    QImage coverage(visible.Width(), visible.Height(), QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        painter.setFont(qfont);
        painter.setPen(Qt::white);
        painter.translate(-visible.Left, -visible.Top);
        const int lineWidth = std::max(1, fm.lineWidth());
        const int underlineOffset = std::max(1, fm.underlinePos());
        for (std::size_t n = 0; n < lines.size(); ++n) {
            const Line& line = lines[n];
            const int top = onSurface.Top + static_cast<int>(n) * lineHeight;
            if (top >= visible.Bottom) break;
            if (top + lineHeight <= visible.Top) continue;
            const int w = layout.Width(line.text, 0, line.text.size());
            int left = onSurface.Left;
            if ((format & DT_RIGHT) != 0) {
                left = onSurface.Right - w;
            } else if ((format & DT_CENTER) != 0) {
                left = onSurface.Left + (onSurface.Width() - w) / 2;
            }
            const int baseline = top + fm.ascent();
            // Tab-separated pieces, each at its own x.
            qsizetype start = 0;
            int x = 0;
            for (qsizetype i = 0; i <= line.text.size(); ++i) {
                if (i < line.text.size() && line.text[i] != u'\t') continue;
                const QString piece = line.text.mid(start, i - start);
                painter.drawText(QPoint(left + x, baseline), piece);
                for (qsizetype k = start; k < i; ++k) {
                    if (!line.underlined[static_cast<std::size_t>(k)]) continue;
                    const int x0 = left + x + fm.horizontalAdvance(line.text.mid(start, k - start));
                    qsizetype len = line.text[k].isHighSurrogate() && k + 1 < i ? 2 : 1;
                    const int cw = fm.horizontalAdvance(line.text.mid(k, len));
                    painter.fillRect(x0, baseline + underlineOffset, cw, lineWidth, Qt::white);
                    if (len == 2) ++k;
                }
                x += fm.horizontalAdvance(piece);
                if (i < line.text.size()) x = layout.Tab(x);
                start = i + 1;
            }
        }
    }

    const std::uint32_t color = static_cast<std::uint32_t>(ColorToRGB(font_.Color())) & 0x00FFFFFFu;
    for (int y = 0; y < visible.Height(); ++y) {
        const auto* cov = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        std::uint32_t* row = nullptr;
        for (int x = 0; x < visible.Width(); ++x) {
            const int alpha = qAlpha(cov[x]);
            if (alpha == 0) continue;
            if (row == nullptr) row = surface_->MutableRow(visible.Top + y);
            row[visible.Left + x] = Blend(row[visible.Left + x], color, alpha);
        }
    }
    return height;
}

}  // namespace tresilva
