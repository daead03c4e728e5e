#include "app/Desktop.h"

#include "chart/qt/TChartWidget.h"
#include "platform/Color.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace otpor {

namespace {

TColor FromQColor(const QColor& c)
{
    return RGB(c.red(), c.green(), c.blue());
}

QColor ToQColor(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

// Blank columns kept between a label's text and its degree mark: none, as
// the reference layout lets them touch.
constexpr int MarkGap = 0;

} // namespace

void LoadSystemColors(const QPalette& palette)
{
    SystemColors& sys = CurrentSystemColors();
    sys.BtnFace = FromQColor(palette.color(QPalette::Active, QPalette::Window));
    sys.BtnHighlight = FromQColor(palette.color(QPalette::Active, QPalette::Light));
    sys.BtnShadow = FromQColor(palette.color(QPalette::Active, QPalette::Dark));
    sys.WindowText = FromQColor(palette.color(QPalette::Active, QPalette::WindowText));
}

namespace {

void SetFormColors(QWidget& form)
{
    LoadSystemColors(QApplication::palette());
    QPalette pal = form.palette();
    pal.setColor(QPalette::Window, ToQColor(clBtnFace));
    pal.setColor(QPalette::WindowText, ToQColor(clWindowText));
    form.setPalette(pal);
}

// The desktop may change its theme while the program runs: the colours
// follow, and the charts, whose bevels use them, draw themselves again.
class PaletteFollower : public QObject {
public:
    explicit PaletteFollower(QWidget& form) : QObject(&form), form_(form) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &form_ && event->type() == QEvent::ApplicationPaletteChange) {
            SetFormColors(form_);
            // The chart widget has no meta-object of its own to find it by.
            for (QWidget* child : form_.findChildren<QWidget*>())
                if (auto* chart = dynamic_cast<qt::TChartWidget*>(child))
                    chart->Chart().Invalidate();
        }
        return false;
    }

private:
    QWidget& form_;
};

} // namespace

void ApplyDesktopColors(QWidget& form)
{
    SetFormColors(form);
    form.setAutoFillBackground(true);
    form.installEventFilter(new PaletteFollower(form));
}

void KeepDegreeMarkClear(const QLabel& label, QLabel& mark)
{
    // Ink against ink: the reference layout lets the mark reach into the
    // advance of the label's last character, but not into its glyph.
    const QString text = label.text().trimmed();
    const int textInkRight =
        label.x() + label.contentsRect().left() + QFontMetrics(label.font()).boundingRect(text).right();
    const int markInkLeft =
        mark.x() + mark.contentsRect().left() + QFontMetrics(mark.font()).boundingRect(mark.text()).left();
    const int overlap = textInkRight + MarkGap + 1 - markInkLeft;
    if (overlap > 0)
        mark.move(mark.x() + overlap, mark.y());
}

void KeepDegreeMarksClear(QWidget& box)
{
    const QList<QLabel*> labels = box.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (QLabel* mark : labels) {
        if (mark->text() != QString::fromUtf8(DegreeMark.data(), static_cast<qsizetype>(DegreeMark.size())))
            continue;
        // The text the mark belongs to: the nearest label to its left whose
        // line the raised mark overlaps.
        const QLabel* text = nullptr;
        for (const QLabel* label : labels)
            if (label != mark && label->x() < mark->x() && label->y() >= mark->y() &&
                label->y() < mark->y() + mark->height() && (!text || label->x() > text->x()))
                text = label;
        if (text)
            KeepDegreeMarkClear(*text, *mark);
    }
}

QSize ClientSizeForFrame(QSize frame, const QMargins& decoration)
{
    const QSize client(frame.width() - decoration.left() - decoration.right(),
                       frame.height() - decoration.top() - decoration.bottom());
    return client.expandedTo(MinimumClientSize);
}

QMargins FrameMargins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

namespace {

// Fits the window to its frame when the decoration is measured after the
// window is shown (a window manager's frame, a Wayland decoration), as long
// as the window still has the size it was given.
class FrameFit : public QObject {
public:
    FrameFit(QWidget& window, const QRect& frame) : QObject(&window), window_(window), frame_(frame)
    {
        Fit();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            if (window_.size() != given_) {
                // Sized by the user or the window system: theirs from now on.
                window_.removeEventFilter(this);
                deleteLater();
            } else if (FrameMargins(window_) != margins_) {
                Fit();
            }
            break;
        default:
            break;
        }
        return false;
    }

    void Fit()
    {
        margins_ = FrameMargins(window_);
        given_ = ClientSizeForFrame(frame_.size(), margins_);
        window_.resize(given_);
        window_.move(frame_.topLeft());
    }

private:
    QWidget& window_;
    QRect frame_;
    QMargins margins_;
    QSize given_;
};

} // namespace

void PlaceOnDesktop(QWidget& window, const QRect& frame)
{
    window.resize(ClientSizeForFrame(frame.size(), {}));
    window.move(frame.topLeft());
    window.show();
    auto* fit = new FrameFit(window, frame);
    window.installEventFilter(fit);
}

} // namespace otpor
