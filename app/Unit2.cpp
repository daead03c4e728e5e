#include "app/Unit2.h"

#include "app/ProgramIcon.h"
#include "form/FormLayout.h"
#include "platform/qt/QtText.h"
#include "sim/Instructions.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTextDocument>
#include <QTextEdit>

namespace otpor {

namespace {

constexpr int PageWidth = 392;
constexpr int PageHeight = 435;
// The frame's bottom line lies on row 433, outside the 433-row picture control.
constexpr int FrameBottomRow = 433;
constexpr int TextMargin = 10;
constexpr int TextWidth = PageWidth - 2 * TextMargin;
constexpr int TextHeight = FrameBottomRow - 2 * TextMargin;
constexpr int MaxTextPixelSize = 14;
constexpr int MinTextPixelSize = 8;
const QColor PageColor(254, 254, 153);

QRect Scaled(const LayoutRect& r, double scale)
{
    const LayoutRect z = Zoomed(r, scale);
    return {z.Left, z.Top, z.Width, z.Height};
}

// Light yellow, framed on three sides within the picture control, in pixels
// of the page times scale.
QImage RenderPaper(double scale = 1)
{
    const QRect whole = Scaled({0, 0, PageWidth, PageHeight}, scale);
    QImage page(whole.size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.fillRect(Scaled({0, 0, PageWidth, FrameBottomRow + 1}, scale), PageColor);
    for (const LayoutRect line : {LayoutRect{0, 0, PageWidth, 1}, LayoutRect{0, FrameBottomRow, PageWidth, 1},
                                  LayoutRect{0, 0, 1, FrameBottomRow + 1},
                                  LayoutRect{PageWidth - 1, 0, 1, FrameBottomRow + 1}})
        p.fillRect(Scaled(line, scale), Qt::black);
    return page;
}

// The paragraphs in the largest type that fits the page with the fonts at
// hand, in the page's pixels times the zoom.
void LayOutText(QTextDocument& doc, double zoom = 1)
{
    QFont serif(QStringLiteral("Liberation Serif"));
    serif.setStyleHint(QFont::Serif);
    doc.setDocumentMargin(0);
    doc.setTextWidth(Zoomed(TextWidth, zoom));
    const QString paragraph =
        QStringLiteral("<p align=\"justify\" style=\"text-indent:%1px; margin-top:0px; margin-bottom:%2px\">")
            .arg(Zoomed(20, zoom))
            .arg(Zoomed(3, zoom));
    for (int size = Zoomed(MaxTextPixelSize, zoom); size >= Zoomed(MinTextPixelSize, zoom); --size) {
        serif.setPixelSize(size);
        doc.setDefaultFont(serif);
        doc.setHtml(QString::fromStdString(InstructionsHtml(paragraph.toStdString())));
        if (doc.size().height() <= Zoomed(TextHeight, zoom))
            break;
    }
}

QPalette BlackText(QPalette palette)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Text, Qt::black);
    return palette;
}

} // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(qt::ToQString(InstructionsWindow.Caption));
    setWindowIcon(ProgramIcon());
    // Only the system menu and the close button: no minimise or maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    QFont f(qt::ToQString(InstructionsWindow.FontName));
    f.setPixelSize(InstructionsWindow.FontPixels);
    setFont(f);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    const LayoutRect& page = InstructionsPage.Bounds;
    Image1->setObjectName(qt::ToQString(InstructionsPage.Name));
    Image1->setGeometry(page.Left, page.Top, page.Width, page.Height);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setAccessibleName(QStringLiteral("Stranica"));

    // The text over the paper: selectable by mouse, Ctrl+A and Ctrl+C, with no
    // frame or background of its own, so the page looks as painted. Focused,
    // it has a caret that the arrows move, unseen, so that a screen reader
    // reads it line by line.
    Text = new QTextEdit(Image1);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setAccessibleName(windowTitle());
    Text->setGeometry(TextMargin, TextMargin, TextWidth, TextHeight);
    Text->setReadOnly(true);
    Text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text->setFrameShape(QFrame::NoFrame);
    Text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text->viewport()->setAutoFillBackground(false);
    Text->setPalette(BlackText(Text->palette()));
    Text->setFocusPolicy(Qt::StrongFocus);
    resize(InstructionsWindow.Frame.Width, InstructionsWindow.Frame.Height);
}

void TForm2::showEvent(QShowEvent* event)
{
    // Laid out on the first "Help", not at the program's start.
    if (Image1->pixmap().isNull())
        LayOutPage();
    QWidget::showEvent(event);
}

void TForm2::SetZoom(double zoom)
{
    if (!(zoom > 0) || zoom == zoom_)
        return;
    if (zoom_ == 1)
        sizeAt100_ = size();
    zoom_ = zoom;
    resize(zoom_ == 1 ? sizeAt100_ : QSize(Zoomed(sizeAt100_.width(), zoom_), Zoomed(sizeAt100_.height(), zoom_)));
    if (!Image1->pixmap().isNull())
        LayOutPage();
}

void TForm2::LayOutPage()
{
    const qreal ratio = devicePixelRatioF();
    QImage paper = RenderPaper(zoom_ * ratio);
    paper.setDevicePixelRatio(ratio);
    Image1->setGeometry(Scaled(InstructionsPage.Bounds, zoom_));
    Image1->setPixmap(QPixmap::fromImage(paper));
    Text->setGeometry(Scaled({TextMargin, TextMargin, TextWidth, TextHeight}, zoom_));
    // A child of the edit: the edit deletes the page laid out at an earlier
    // zoom as it takes this one.
    auto* doc = new QTextDocument(Text);
    LayOutText(*doc, zoom_);
    Text->setDocument(doc);
    Text->setFont(doc->defaultFont());
    Text->setCursorWidth(0); // a property of the document's layout
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QImage TForm2::RenderPage()
{
    QImage page = RenderPaper();
    QTextDocument doc;
    LayOutText(doc);
    QPainter p(&page);
    p.translate(TextMargin, TextMargin);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    doc.documentLayout()->draw(&p, context);
    return page;
}

} // namespace otpor
