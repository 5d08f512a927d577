#include "compiler/TopicProgress.h"

namespace lorivex {

namespace {

std::function<void(size_t, size_t)>& Observer()
{
    static std::function<void(size_t, size_t)> observer;
    return observer;
}

} // namespace

void SetTopicProgressObserver(std::function<void(size_t topic, size_t total)> observer)
{
    Observer() = std::move(observer);
}

void ReportTopicProgress(size_t topic, size_t total)
{
    if (Observer())
        Observer()(topic, total);
}

std::string GroupThousands(size_t number)
{
    std::string digits = std::to_string(number);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

TProgressLine::TProgressLine(Clock::duration interval) : interval_(interval) {}

std::string TProgressLine::Update(size_t topic, size_t total, Clock::time_point now)
{
    const bool shown = width_ > 0;
    if (shown && topic != 1 && topic != total && now - drawn_ < interval_)
        return {};
    std::string text = "Writing topic " + GroupThousands(topic) + " of " + GroupThousands(total);
    // A shorter line than the one before blanks what would stay of it.
    const size_t width = text.size();
    if (width < width_)
        text += std::string(width_ - width, ' ');
    width_ = width;
    drawn_ = now;
    text.insert(text.begin(), '\r');
    return text;
}

std::string TProgressLine::Erase()
{
    if (width_ == 0)
        return {};
    std::string blank(width_ + 2, ' ');
    blank.front() = blank.back() = '\r';
    width_ = 0;
    return blank;
}

} // namespace lorivex
