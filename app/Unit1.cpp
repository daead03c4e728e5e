#include "app/Unit1.h"

namespace otpor {

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Odredjivanje otpora rezanja pri struganju"));
    FormCreate();
}

void TForm1::FormCreate() {}

} // namespace otpor
