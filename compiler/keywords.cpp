// The keyword table: every keyword of the sort language and its token. Lookup compares the
// upper-cased text exactly, so the order of entries does not matter.
#include "keywords.h"

#include <cstring>

#include "yf.hpp"

namespace {

struct restable {
    const char *name;
    int token_value;
};

const restable reservedlist[] = {
    {"ABS", ABS},
    {"ACOS", ACOS},
    {"ANGLES", ANGLES},
    {"ARRAYLIST", ARRAYLIST},
    {"ASIN", ASIN},
    {"AT", AT},
    {"ATAN", ATAN},
    {"CALL", CALL},
    {"CENTROIDS", CENTROIDS},
    {"COPYGAIN", COPYGAIN},
    {"COPYLIST", COPYLIST},
    {"COS", COS},
    {"CREATELIST", CREATELIST},
    {"DEC", DEC},
    {"DELTAS", DELTAS},
    {"DEVIATION", DEVIATION},
    {"DISC", DISC},
    {"DOLOOP", DOLOOP},
    {"DOWN", DOWN},
    {"ELLIPSE2D", ELLIPSE2D},
    {"ELLIPSE3D", ELLIPSE3D},
    {"ELSE", ELSE},
    {"END", END},
    {"ENDEVENT", ENDEVENT},
    {"EQ", EQ},
    {"EVENT", EVENT},
    {"EXEC", EXEC},
    {"EXP", EXP},
    {"EXTRACT", EXTRACT},
    {"FAILS", FAILS},
    {"FACTOR", FACTOR},
    {"FIXEDLEN", FIXEDLEN},
    {"FLOAT", FLOAT},
    {"FROM", FROM},
    {"GAIN", GAIN},
    {"GAINARRAY", GAINARRAY},
    {"GAINWORD", GAINWORD},
    {"GATEARRAY", GATEARRAY},
    {"GATEDBY", GATEDBY},
    {"GATEMAP", GATEMAP},
    {"GATES", GATES},
    {"GOTO", GOTO},
    {"GROUP", GROUP},
    {"GROUPFILTER", GROUPFILTER},
    {"GT", GT},
    {"IF", IF},
    {"INC", INC},
    {"INCBITS", INCBITS},
    {"INDEXED", INDEXED},
    {"INIT", INIT},
    {"INTO", INTO},
    {"INVALID", INVALID},
    {"INVALIDATE", INVALIDATE},
    {"IOR", IOR},
    {"IRANDOM", IRANDOM},
    {"ITEM", ITEM},
    {"KEEP", KEEP},
    {"LABEL", LABEL},
    {"LE", LE},
    {"LOG", LOG},
    {"LOG10", LOG10},
    {"LONG", LONG},
    {"LONGLONG", LONGLONG},
    {"LOOPEXTRACT", LOOPEXTRACT},
    {"LOOPFAIL", LOOPFAIL},
    {"LOOPIF", LOOPIF},
    {"LT", LT},
    {"MASK", MASK},
    {"MASKEDBY", MASKEDBY},
    {"MOD", MOD},
    {"MULTI", MULTI},
    {"NBIT", NBIT},
    {"NE", NE},
    {"NEWLISTX", NEWLISTX},
    {"NEWLISTY", NEWLISTY},
    {"NOT", NOT},
    {"NOMATCH", NOMATCH},
    {"NUMBER", NUMBER},
    {"NWORDS", NWORDS},
    {"OFFSET", OFFSET},
    {"ORDER", ORDER},
    {"ORDERED", ORDERED},
    {"OUTPUT", OUTPUT},
    {"PASSES", PASSES},
    {"PAUSE", PAUSE},
    {"PEAKAREA", PEAKAREA},
    {"PEAKS", PEAKS},
    {"POW", POW},
    {"RANDOM", RANDOM},
    {"REJECT", myREJECT},
    {"REVERSED", REVERSED},
    {"ROUTINE", ROUTINE},
    {"SAMPLE", SAMPLE},
    {"SAVE", SAVE},
    {"SELECT", SELECT},
    {"SET", SET},
    {"SIN", SIN},
    {"SQRT", SQRT},
    {"STEP", STEP},
    {"TAN", TAN},
    {"TIMESTAMPOF", TIMESTAMPOF},
    {"TO", TO},
    {"UP", UP},
    {"UNI", UNI},
    {"USER", USER},
    {"VALUEARRAY", VALUEARRAY},
    {"VALID", VALID},
    {"VALUE", VALUE},
    {"VARLEN", VARLEN},
    {"VOVERC", VOVERC},
    {"WORD", WORD},
    {"XOR", XOR},
};

} // namespace

int numres = 0;

int keyword_token(const char *upper_text)
{
    for (int i = 0; i < numres; i++)
        if (std::strcmp(reservedlist[i].name, upper_text) == 0)
            return reservedlist[i].token_value;
    return 0;
}

void init_keywords()
{
    numres = sizeof reservedlist / sizeof reservedlist[0];
}
