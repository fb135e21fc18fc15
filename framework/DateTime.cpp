#include "framework/DateTime.h"

#include "framework/Clock.h"
#include "framework/OleAutomation.h"

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const long long kSecondsPerDay = 86400;
// 0100-01-01 and 9999-12-31 as day numbers: the days a DATE may fall on.
const long long kFirstDay = -657434;
const long long kLastDay = 2958465;
// The longest span that two valid dates can be apart, with a little room.
const double kMaxSpanDays = 3615897.0;

const char* const kInvalidDateTime = "Invalid DateTime";
const char* const kInvalidDateTimeSpan = "Invalid DateTimeSpan";

const char* const kDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[12] = {"January", "February", "March",     "April",
                                     "May",     "June",     "July",      "August",
                                     "September", "October", "November", "December"};

// Below zero a DATE runs backwards by whole days but forwards within the day. The linear
// value counts days and fractions the same way on both sides of 1899-12-30.
double LinearFromDate(DATE dt)
{
    if (dt >= 0)
        return dt;
    const double whole = std::ceil(dt);  // truncation toward zero
    return whole + (whole - dt);
}

DATE DateFromLinear(double linear)
{
    if (linear >= 0)
        return linear;
    const double day = std::floor(linear);
    return day - (linear - day);
}

long long FloorDiv(long long a, long long b)
{
    long long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

bool IsLeapYear(int nYear)
{
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

int DaysInMonth(int nYear, int nMonth)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (nMonth == 2 && IsLeapYear(nYear)) ? 29 : kDays[nMonth - 1];
}

// Day number (0 = 1899-12-30) of a proleptic Gregorian date.
long long DayFromCivil(long long y, int m, int d)
{
    y -= m <= 2;
    const long long era = FloorDiv(y, 400);
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 25569;  // 25569: 1899-12-30 to 1970-01-01
}

struct DateParts {
    int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
};

// Splits a DATE rounded to the nearest second; false outside years 100..9999.
bool SplitDate(DATE dt, DateParts& parts)
{
    const double linear = LinearFromDate(dt);
    if (!(std::fabs(linear) < 1e7))  // also refuses NaN and infinities
        return false;
    const long long total = std::llround(linear * kSecondsPerDay);
    const long long dayNumber = FloorDiv(total, kSecondsPerDay);
    if (dayNumber < kFirstDay || dayNumber > kLastDay)
        return false;
    const int secondOfDay = static_cast<int>(total - dayNumber * kSecondsPerDay);

    const long long z = dayNumber - 25569 + 719468;
    const long long era = FloorDiv(z, 146097);
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    parts.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    parts.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    parts.year = static_cast<int>(yoe + era * 400 + (parts.month <= 2));
    parts.hour = secondOfDay / 3600;
    parts.minute = secondOfDay / 60 % 60;
    parts.second = secondOfDay % 60;
    // Day 0 was a Saturday.
    parts.dayOfWeek = static_cast<int>((dayNumber % 7 + 7 + 6) % 7) + 1;
    parts.dayOfYear = static_cast<int>(dayNumber - DayFromCivil(parts.year, 1, 1)) + 1;
    return true;
}

bool MakeDate(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, DATE& dtOut)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12)
        return false;
    if (nDay < 1 || nDay > DaysInMonth(nYear, nMonth) || nHour < 0 || nHour > 23 ||
        nMin < 0 || nMin > 59 || nSec < 0 || nSec > 59)
        return false;
    const long long total = DayFromCivil(nYear, nMonth, nDay) * kSecondsPerDay +
                            nHour * 3600 + nMin * 60 + nSec;
    dtOut = DateFromLinear(static_cast<double>(total) / kSecondsPerDay);
    return true;
}

bool InDateRange(DATE dt)
{
    DateParts parts;
    return SplitDate(dt, parts);
}

CString NarrowFromWide(LPCWSTR pwsz, int nWide)
{
    CString result;
    if (nWide <= 0)
        return result;
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pwsz, nWide, nullptr, 0, nullptr, nullptr);
    if (nBytes > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, pwsz, nWide, result.GetBufferSetLength(nBytes), nBytes,
                              nullptr, nullptr);
        result.ReleaseBuffer(nBytes);
    }
    return result;
}

CString TimeZoneName()
{
    TIME_ZONE_INFORMATION tzi;
    if (::GetTimeZoneInformation(&tzi) == TIME_ZONE_ID_INVALID)
        return CString();
    return NarrowFromWide(tzi.StandardName, static_cast<int>(std::wcslen(tzi.StandardName)));
}

// Week of the year, the first week starting on the first nFirstWeekday (0 = Sunday).
int WeekOfYear(const DateParts& parts, int nFirstWeekday)
{
    const int wday = (parts.dayOfWeek - 1 - nFirstWeekday + 7) % 7;
    return (parts.dayOfYear - 1 + 7 - wday) / 7;
}

void AppendNumber(std::string& out, int nValue, int nWidth, bool bNoPadding)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", bNoPadding ? 1 : nWidth, nValue);
    out += buffer;
}

void FormatParts(const DateParts& parts, const char* format, std::string& out);

// One conversion of the strftime set; false when the code is not one of them.
bool FormatCode(const DateParts& parts, char code, bool bAlternate, std::string& out)
{
    const int hour12 = parts.hour % 12 == 0 ? 12 : parts.hour % 12;
    switch (code) {
    case 'a': out.append(kDayNames[parts.dayOfWeek - 1], 3); break;
    case 'A': out += kDayNames[parts.dayOfWeek - 1]; break;
    case 'b': out.append(kMonthNames[parts.month - 1], 3); break;
    case 'B': out += kMonthNames[parts.month - 1]; break;
    case 'c':
        FormatParts(parts, bAlternate ? "%A, %B %#d, %Y, %H:%M:%S" : "%m/%d/%y %H:%M:%S", out);
        break;
    case 'd': AppendNumber(out, parts.day, 2, bAlternate); break;
    case 'H': AppendNumber(out, parts.hour, 2, bAlternate); break;
    case 'I': AppendNumber(out, hour12, 2, bAlternate); break;
    case 'j': AppendNumber(out, parts.dayOfYear, 3, bAlternate); break;
    case 'm': AppendNumber(out, parts.month, 2, bAlternate); break;
    case 'M': AppendNumber(out, parts.minute, 2, bAlternate); break;
    case 'p': out += parts.hour < 12 ? "AM" : "PM"; break;
    case 'S': AppendNumber(out, parts.second, 2, bAlternate); break;
    case 'U': AppendNumber(out, WeekOfYear(parts, 0), 2, bAlternate); break;
    case 'w': AppendNumber(out, parts.dayOfWeek - 1, 1, bAlternate); break;
    case 'W': AppendNumber(out, WeekOfYear(parts, 1), 2, bAlternate); break;
    case 'x': FormatParts(parts, bAlternate ? "%A, %B %#d, %Y" : "%m/%d/%y", out); break;
    case 'X': FormatParts(parts, "%H:%M:%S", out); break;
    case 'y': AppendNumber(out, parts.year % 100, 2, bAlternate); break;
    case 'Y': AppendNumber(out, parts.year, 1, bAlternate); break;
    case 'z':
    case 'Z': out += static_cast<LPCSTR>(TimeZoneName()); break;
    case '%': out += '%'; break;
    default: return false;
    }
    return true;
}

void FormatParts(const DateParts& parts, const char* format, std::string& out)
{
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        const char* start = p;
        const bool bAlternate = p[1] == '#';
        if (bAlternate)
            ++p;
        // An unknown or unfinished code is kept as written.
        if (p[1] == '\0' || !FormatCode(parts, p[1], bAlternate, out)) {
            out.append(start, p + 1 - start);
            continue;
        }
        ++p;
    }
}

}  // namespace

// ---- COleDateTime ----

COleDateTime COleDateTime::GetCurrentTime() { return CProcessClock::Now(); }

COleDateTime::COleDateTime() : m_dt(0), m_status(valid) {}

COleDateTime::COleDateTime(DATE dtSrc) : m_dt(dtSrc), m_status(valid) {}

COleDateTime::COleDateTime(time_t timeSrc) : m_dt(0), m_status(valid) { *this = timeSrc; }

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc) : m_dt(0), m_status(valid)
{
    *this = systimeSrc;
}

COleDateTime::COleDateTime(const FILETIME& filetimeSrc) : m_dt(0), m_status(valid)
{
    *this = filetimeSrc;
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
    : m_dt(0), m_status(valid)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime::COleDateTime(WORD wDosDate, WORD wDosTime) : m_dt(0), m_status(valid)
{
    m_status = OleDateFromDosDateTime(wDosDate, wDosTime, &m_dt) ? valid : invalid;
}

COleDateTime& COleDateTime::operator=(DATE dtSrc)
{
    m_dt = dtSrc;
    m_status = valid;
    return *this;
}

COleDateTime& COleDateTime::operator=(const time_t& timeSrc)
{
    const std::tm* ptm = std::localtime(&timeSrc);
    if (ptm == nullptr) {
        m_status = invalid;  // before 1970 or too far ahead for the C runtime
        return *this;
    }
    SetDateTime(ptm->tm_year + 1900, ptm->tm_mon + 1, ptm->tm_mday, ptm->tm_hour, ptm->tm_min,
                ptm->tm_sec);
    return *this;
}

COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systimeSrc)
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour,
                systimeSrc.wMinute, systimeSrc.wSecond);
    return *this;
}

COleDateTime& COleDateTime::operator=(const FILETIME& filetimeSrc)
{
    // A FILETIME is in UTC, the value is local time.
    FILETIME ftLocal;
    SYSTEMTIME st;
    if (!::FileTimeToLocalFileTime(&filetimeSrc, &ftLocal) || !::FileTimeToSystemTime(&ftLocal, &st))
        m_status = invalid;
    else
        *this = st;
    return *this;
}

#define DATE_PART_GETTER(Name, field)                                                       \
    int COleDateTime::Name() const                                                          \
    {                                                                                       \
        DateParts parts;                                                                    \
        if (m_status != valid || !SplitDate(m_dt, parts))                                   \
            return AFX_OLE_DATETIME_ERROR;                                                  \
        return parts.field;                                                                 \
    }

DATE_PART_GETTER(GetYear, year)
DATE_PART_GETTER(GetMonth, month)
DATE_PART_GETTER(GetDay, day)
DATE_PART_GETTER(GetHour, hour)
DATE_PART_GETTER(GetMinute, minute)
DATE_PART_GETTER(GetSecond, second)
DATE_PART_GETTER(GetDayOfWeek, dayOfWeek)
DATE_PART_GETTER(GetDayOfYear, dayOfYear)

#undef DATE_PART_GETTER

BOOL COleDateTime::operator==(const COleDateTime& date) const
{
    return m_status == date.m_status && m_dt == date.m_dt;
}

BOOL COleDateTime::operator!=(const COleDateTime& date) const { return !(*this == date); }

BOOL COleDateTime::operator<(const COleDateTime& date) const
{
    return LinearFromDate(m_dt) < LinearFromDate(date.m_dt);
}

BOOL COleDateTime::operator>(const COleDateTime& date) const
{
    return LinearFromDate(m_dt) > LinearFromDate(date.m_dt);
}

BOOL COleDateTime::operator<=(const COleDateTime& date) const
{
    return LinearFromDate(m_dt) <= LinearFromDate(date.m_dt);
}

BOOL COleDateTime::operator>=(const COleDateTime& date) const
{
    return LinearFromDate(m_dt) >= LinearFromDate(date.m_dt);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTime result;
    if (m_status == null || dateSpan.m_status == COleDateTimeSpan::null) {
        result.m_status = null;
    } else if (m_status == invalid || dateSpan.m_status == COleDateTimeSpan::invalid) {
        result.m_status = invalid;
    } else {
        result.m_dt = DateFromLinear(LinearFromDate(m_dt) + dateSpan.m_span);
        result.CheckRange();
    }
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + (-dateSpan);
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& dateSpan)
{
    return *this = *this + dateSpan;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& dateSpan)
{
    return *this = *this - dateSpan;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan result;
    if (m_status == null || date.m_status == null)
        result.m_status = COleDateTimeSpan::null;
    else if (m_status == invalid || date.m_status == invalid)
        result.m_status = COleDateTimeSpan::invalid;
    else
        result.m_span = LinearFromDate(m_dt) - LinearFromDate(date.m_dt);
    return result;
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    m_status = MakeDate(nYear, nMonth, nDay, nHour, nMin, nSec, m_dt) ? valid : invalid;
    return m_status;
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay)
{
    return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
}

int COleDateTime::SetTime(int nHour, int nMin, int nSec)
{
    return SetDateTime(1899, 12, 30, nHour, nMin, nSec);
}

BOOL COleDateTime::ParseDateTime(LPCSTR lpszDate, DWORD dwFlags, LCID lcid)
{
    if (lpszDate == nullptr)
        lpszDate = "";
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, lpszDate, -1, nullptr, 0);
    std::vector<OLECHAR> wide(nWide > 0 ? nWide : 1, L'\0');
    if (nWide > 0)
        ::MultiByteToWideChar(CP_ACP, 0, lpszDate, -1, wide.data(), nWide);

    DATE dtResult = 0;
    const HRESULT hr = OleDateFromString(wide.data(), lcid, dwFlags, &dtResult);
    if (FAILED(hr)) {
        // The framework marks text that is no date with 0 and an overflow with -1. It
        // throws on any other failure; no exception may leave here, so those are invalid too.
        m_dt = hr == DISP_E_OVERFLOW ? -1 : 0;
        m_status = invalid;
        return FALSE;
    }
    m_dt = dtResult;
    m_status = valid;
    return TRUE;
}

CString COleDateTime::Format(LPCSTR lpszFormat) const
{
    if (m_status == null)
        return CString();
    DateParts parts;
    if (m_status == invalid || !SplitDate(m_dt, parts))
        return CString(kInvalidDateTime);
    std::string out;
    FormatParts(parts, lpszFormat ? lpszFormat : "", out);
    return CString(out.c_str(), static_cast<int>(out.size()));
}

CString COleDateTime::Format(UINT nFormatID) const
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    return Format(static_cast<LPCSTR>(strFormat));
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    if (m_status == null)
        return CString();
    if (m_status == invalid)
        return CString(kInvalidDateTime);
    COleString text;
    if (!OleStringFromDate(m_dt, lcid, dwFlags, text))
        return CString(kInvalidDateTime);
    return NarrowFromWide(text.Text(), text.Length());
}

void COleDateTime::CheckRange()
{
    if (m_status == valid && !InDateRange(m_dt))
        m_status = invalid;
}

// ---- COleDateTimeSpan ----

COleDateTimeSpan::COleDateTimeSpan() : m_span(0), m_status(valid) {}

COleDateTimeSpan::COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc), m_status(valid) {}

COleDateTimeSpan::COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
    : m_span(0), m_status(valid)
{
    SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

void COleDateTimeSpan::SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
{
    m_span = lDays + nHours / 24.0 + nMins / (24.0 * 60) + nSecs / (24.0 * 60 * 60);
    m_status = valid;
    CheckRange();
}

namespace {

// The span in whole seconds, rounded to the nearest, so 0.5833333 days is 14:00:00.
long long SpanSeconds(double span)
{
    if (!(std::fabs(span) < 1e9))
        return 0;
    return std::llround(span * kSecondsPerDay);
}

}  // namespace

long COleDateTimeSpan::GetDays() const
{
    return static_cast<long>(SpanSeconds(m_span) / kSecondsPerDay);
}

long COleDateTimeSpan::GetHours() const
{
    return static_cast<long>(SpanSeconds(m_span) % kSecondsPerDay / 3600);
}

long COleDateTimeSpan::GetMinutes() const
{
    return static_cast<long>(SpanSeconds(m_span) % 3600 / 60);
}

long COleDateTimeSpan::GetSeconds() const
{
    return static_cast<long>(SpanSeconds(m_span) % 60);
}

COleDateTimeSpan& COleDateTimeSpan::operator=(double dblSpanSrc)
{
    m_span = dblSpanSrc;
    m_status = valid;
    return *this;
}

BOOL COleDateTimeSpan::operator==(const COleDateTimeSpan& dateSpan) const
{
    return m_status == dateSpan.m_status && m_span == dateSpan.m_span;
}

BOOL COleDateTimeSpan::operator!=(const COleDateTimeSpan& dateSpan) const
{
    return !(*this == dateSpan);
}

BOOL COleDateTimeSpan::operator<(const COleDateTimeSpan& dateSpan) const
{
    return m_span < dateSpan.m_span;
}

BOOL COleDateTimeSpan::operator>(const COleDateTimeSpan& dateSpan) const
{
    return m_span > dateSpan.m_span;
}

BOOL COleDateTimeSpan::operator<=(const COleDateTimeSpan& dateSpan) const
{
    return m_span <= dateSpan.m_span;
}

BOOL COleDateTimeSpan::operator>=(const COleDateTimeSpan& dateSpan) const
{
    return m_span >= dateSpan.m_span;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTimeSpan result;
    if (m_status == null || dateSpan.m_status == null) {
        result.m_status = null;
    } else if (m_status == invalid || dateSpan.m_status == invalid) {
        result.m_status = invalid;
    } else {
        result.m_span = m_span + dateSpan.m_span;
        result.CheckRange();
    }
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + (-dateSpan);
}

COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan& dateSpan)
{
    return *this = *this + dateSpan;
}

COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan& dateSpan)
{
    return *this = *this - dateSpan;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    COleDateTimeSpan result(*this);
    result.m_span = -m_span;
    return result;
}

CString COleDateTimeSpan::Format(LPCSTR lpszFormat) const
{
    if (m_status == null)
        return CString();
    if (m_status == invalid)
        return CString(kInvalidDateTimeSpan);
    const long long total = SpanSeconds(m_span);
    const long long magnitude = total < 0 ? -total : total;
    std::string out;
    for (const char* p = lpszFormat ? lpszFormat : ""; *p; ++p) {
        char buffer[32];
        buffer[0] = '\0';
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        switch (*++p) {
        // The sign rides on the days, so "-0 12:00" still reads as negative.
        case 'D':
            std::snprintf(buffer, sizeof buffer, "%s%lld", total < 0 ? "-" : "",
                          magnitude / kSecondsPerDay);
            break;
        case 'H': std::snprintf(buffer, sizeof buffer, "%02lld", magnitude % kSecondsPerDay / 3600); break;
        case 'M': std::snprintf(buffer, sizeof buffer, "%02lld", magnitude % 3600 / 60); break;
        case 'S': std::snprintf(buffer, sizeof buffer, "%02lld", magnitude % 60); break;
        case '%': out += '%'; break;
        default:
            out += '%';
            out += *p;
            break;
        }
        out += buffer;
    }
    return CString(out.c_str(), static_cast<int>(out.size()));
}

void COleDateTimeSpan::CheckRange()
{
    if (m_status == valid && !(m_span >= -kMaxSpanDays && m_span <= kMaxSpanDays))
        m_status = invalid;
}
