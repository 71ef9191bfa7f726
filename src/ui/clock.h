#pragma once

#include <functional>
#include <string>

#include <QDateTime>

namespace quillmark::ui {

// The current date and time as the system writes them (its short date and long time formats),
// in Windows-1252.
std::string short_date_now();
std::string long_time_now();

// Replaces the system clock; tests install one to get known texts. An empty function restores
// the system clock.
void set_clock(std::function<QDateTime()> clock);

} // namespace quillmark::ui
