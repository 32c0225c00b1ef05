#include "analysis/ui/match_list_link.h"

TMatchListLink &MatchListLink()
{
    static TMatchListLink link;
    return link;
}
