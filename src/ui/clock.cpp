#include "ui/clock.h"

#include "ui/text.h"

#include <QLocale>

namespace quillmark::ui {
namespace {

std::function<QDateTime()>& installed_clock() {
    static std::function<QDateTime()> clock;
    return clock;
}

QDateTime now() {
    return installed_clock() ? installed_clock()() : QDateTime::currentDateTime();
}

} // namespace

std::string short_date_now() {
    return from_qstring(QLocale::system().toString(now().date(), QLocale::ShortFormat));
}

std::string long_time_now() {
    // Formatted with the whole moment, so a zone in the format is the one of that moment.
    const QLocale locale = QLocale::system();
    return from_qstring(locale.toString(now(), locale.timeFormat(QLocale::LongFormat)));
}

void set_clock(std::function<QDateTime()> clock) {
    installed_clock() = std::move(clock);
}

} // namespace quillmark::ui
