#include "platform/qt/DevicePicture.h"

namespace otpor::qt {

DevicePicture::DevicePicture(int width, int height, double ratio)
    : width_(width), height_(height), ratio_(ratio > 0 ? ratio : 1)
{
    Make();
}

void DevicePicture::Make()
{
    exact_.reset();
    scaled_.reset();
    if (ratio_ == 1)
        exact_.emplace(width_, height_);
    else
        scaled_.emplace(width_, height_, ratio_);
}

otpor::Canvas& DevicePicture::Canvas()
{
    if (exact_)
        return *exact_;
    return *scaled_;
}

const QImage& DevicePicture::Image() const
{
    return exact_ ? exact_->Image() : scaled_->Image();
}

void DevicePicture::SetSize(int width, int height)
{
    width_ = width;
    height_ = height;
    if (exact_)
        exact_->SetSize(width, height);
    else
        scaled_->SetSize(width, height);
}

bool DevicePicture::SetRatio(double ratio)
{
    if (ratio <= 0 || ratio == ratio_)
        return false;
    // The drawing state carries over, as the drawing sequences rely on it.
    const otpor::Canvas& old = Canvas();
    const otpor::Pen pen = old.Pen();
    const otpor::Brush brush = old.Brush();
    const otpor::Font font = old.Font();
    const BackgroundMode mode = old.Background();
    const TColor background = old.BackgroundColor();
    const otpor::TextAlign align = old.TextAlign();
    const TPoint position = old.PenPos();
    ratio_ = ratio;
    Make();
    otpor::Canvas& c = Canvas();
    c.SetPen(pen);
    c.SetBrushColor(brush.Color);
    c.SetBrushStyle(brush.Style);
    c.SetFont(font);
    c.SetBackgroundMode(mode);
    c.SetBackgroundColor(background);
    c.SetTextAlign(align);
    c.MoveTo(position.X, position.Y);
    return true;
}

void DevicePicture::EndFrame()
{
    if (exact_)
        exact_->EndFrame();
    else
        scaled_->EndFrame();
}

} // namespace otpor::qt
