// The main window: the whole user interface of the simulation.
#pragma once

#include <QWidget>

namespace otpor {

class TForm1 : public QWidget {
public:
    explicit TForm1(QWidget* parent = nullptr);

private:
    void FormCreate();
};

} // namespace otpor
