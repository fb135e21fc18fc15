// One parse from the outside in: the grammars call each other for base dates, and the work
// bounds and the moment called "now" belong to the whole of it, not to one grammar call.
#pragma once

#include "dateparse/DateParser.h"

class CDateParser::CParseSession {
public:
    explicit CParseSession(CDateParser& parser) : m_parser(parser), m_bOwner(!parser.m_bInSession) {
        if (!m_bOwner) return;
        m_parser.m_bInSession = TRUE;
        m_parser.m_nNesting = 0;
        m_parser.m_nBaseReadings = 0;
        m_parser.m_bAbandoned = FALSE;
        // One reading of the clock, so that every phrase of one text measures from one moment.
        m_parser.m_dtSessionNow = COleDateTime::GetCurrentTime();
    }
    ~CParseSession() {
        if (m_bOwner) m_parser.m_bInSession = FALSE;
    }
    CParseSession(const CParseSession&) = delete;
    CParseSession& operator=(const CParseSession&) = delete;

private:
    CDateParser& m_parser;
    BOOL m_bOwner;
};
