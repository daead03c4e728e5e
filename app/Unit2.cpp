#include "app/Unit2.h"

#include "app/ProgramIcon.h"

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

// Button names stand in bold italic, with their quotation marks.
QString Button(const char* name)
{
    return QStringLiteral("<b><i>„%1“</i></b>").arg(QString::fromUtf8(name));
}

QString PageHtml()
{
    const QString paragraphs[] = {
        QStringLiteral(
            "Program je namenjen za modeliranje otpora rezanja pri spoljašnjem uzdužnom struganju."),
        QStringLiteral("Potrebno je uneti u odgovarajućim prozorima interfejsa podatke o uslovima i režimima "
                       "procesa obrade, izabrati materijal obratka i alata i kliknite ekranski taster ") +
            Button("Proces") + QStringLiteral("."),
        QStringLiteral(
            "U grafičkom prozoru izvodi se animacija procesa spoljašnjeg uzdužnog struganja sa "
            "rezultujućim otporom rezanja (F) i odgovarajućim komponentama: glavni otpor rezanja "
            "(F1), otpor prodiranja (F2) i otpor pomoćnog kretanja (F3). Istovremeno se na ekranu "
            "oscilografa pojavljuju oscilogrami komponenti otpora rezanja u odgovarajućoj razmeri. "
            "Razmera prikaza oscilograma može se menjati na vertikalnoj osi pomoću ekranskog tastera ") +
            Button("Maksimalna sila na oscilogramu-F max , N") + QStringLiteral("."),
        QStringLiteral(
            "U toku modeliranja mogu se menjati uslovi i elementi režima rezanja i geometrija reznog "
            "alata – strugarskog noža."),
        QStringLiteral("Za zaustavljanje procesa modeliranja aktivirati ekranski taster ") + Button("Pauza") +
            QStringLiteral(", a za nastavak procesa – taster ") + Button("Proces") + QStringLiteral("."),
        QStringLiteral("Aktiviranjem ekranskog tastera ") + Button("Polazno stanje") +
            QStringLiteral(" prevodi se strugarski nož u početnu poziciju."),
        QStringLiteral(
            "Svaki segment oscilograma može se povećati nekoliko puta na sledeći način: dovesti taster "
            "miša u gornji levi ugao oscilograma, pritisnite levi taster miša i obeležite segmet za "
            "uvećanje pomeranjem miša sa leva na desno, sa vrha ka dnu. Otpustite taster. Povećenje se "
            "može izvesti više puta. Za vraćanje na početnu razmeru, manipulaciju mišem realizovati "
            "obrnutim redosledom: pritisnite levi taster miša i pomeraje ga u levo ka vrhu. Otpustiti "
            "taster."),
    };
    QString html;
    for (const QString& p : paragraphs)
        html += QStringLiteral(
                    "<p align=\"justify\" style=\"text-indent:20px; margin-top:0px; margin-bottom:3px\">") +
                p + QStringLiteral("</p>");
    return html;
}

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
        doc.setHtml(PageHtml());
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
    setWindowTitle(QStringLiteral("Instrukcije"));
    setWindowIcon(ProgramIcon());
    // Only the system menu and the close button: no minimise or maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);
    setAutoFillBackground(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 393, 433);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setAccessibleName(QStringLiteral("Stranica"));

    // The text over the paper: selectable by mouse, Ctrl+A and Ctrl+C, with no
    // caret, frame or background of its own, so the page looks as painted.
    Text = new QTextEdit(Image1);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setAccessibleName(windowTitle());
    Text->setGeometry(TextMargin, TextMargin, TextWidth, TextHeight);
    Text->setReadOnly(true);
    Text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Text->setFrameShape(QFrame::NoFrame);
    Text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text->viewport()->setAutoFillBackground(false);
    Text->setPalette(BlackText(Text->palette()));
    Text->setFocusPolicy(Qt::StrongFocus);
    resize(416, 477);
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
