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

// Light yellow, framed on three sides within the picture control.
QImage RenderPaper()
{
    QImage page(PageWidth, PageHeight, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.fillRect(0, 0, PageWidth, FrameBottomRow + 1, PageColor);
    p.setPen(Qt::black);
    p.drawLine(0, 0, PageWidth - 1, 0);
    p.drawLine(0, FrameBottomRow, PageWidth - 1, FrameBottomRow);
    p.drawLine(0, 0, 0, FrameBottomRow);
    p.drawLine(PageWidth - 1, 0, PageWidth - 1, FrameBottomRow);
    return page;
}

// The paragraphs in the largest type that fits the page with the fonts at hand.
void LayOutText(QTextDocument& doc)
{
    QFont serif(QStringLiteral("Liberation Serif"));
    serif.setStyleHint(QFont::Serif);
    doc.setDocumentMargin(0);
    doc.setTextWidth(TextWidth);
    for (int size = MaxTextPixelSize; size >= MinTextPixelSize; --size) {
        serif.setPixelSize(size);
        doc.setDefaultFont(serif);
        doc.setHtml(QString::fromStdString(InstructionsHtml(
            "<p align=\"justify\" style=\"text-indent:20px; margin-top:0px; margin-bottom:3px\">")));
        if (doc.size().height() <= TextHeight)
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

void TForm2::LayOutPage()
{
    Image1->setPixmap(QPixmap::fromImage(RenderPaper()));
    auto* doc = new QTextDocument(Text);
    LayOutText(*doc);
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
