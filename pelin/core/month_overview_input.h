#pragma once

#include "common/month_overview.h"
#include "pelin/core/login_state.h"
#include "pelin/core/pelin_dates.h"

// The overview of the displayed month of the logged-in employee.
MonthOverviewInput OverviewInputFor(const LoginState& state, const PelinDates& dates, QTime now);
