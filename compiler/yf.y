/* The grammar of the sort language. Actions stay thin: each calls one routine of the driver,
 * the symbol tables or the code generator. */
%code top {
/* The parser's stack starts at 200 entries and doubles up to 10000; past that the parse
 * stops with "parser stack overflow" and status 2. */
#define YYINITDEPTH 200
#define YYMAXDEPTH 10000
#define YYSTYPE_IS_TRIVIAL 1
#define YY_(Msgid) parser_message(Msgid)
#include "parser_support.h"
#include "declaration_state.h"
#include "semantics/sortwords.h"
#include "semantics/spectra.h"

/* Values that a rule collects for the rule that encloses it. */
static int gain_a, gain_b, gain_c;
static int spec_type, spec_y, spec_z;
}

%define api.value.type {int}
%define parse.error custom
%define parse.trace

%expect 0

%initial-action { parse_start(); }

%token NAME NAMEBRACKET NAMEDOTNAME PARAMNAME INAME INCNAME INCNAMEDOTNAME ANSINAME PATTERN GE
%token DOLLARNAME DOLLARITEMNAME INTEGER REAL FILENAME FILENAMEPATTERN NEWLINE
%token STARFORMATS STARTRIGGERS STARDATA STARSPECTRA STARAUTOGAIN STARCOMMANDS STARRUNFILES STARFINISH
%token ONED TWOD THREED
%token ABS ACOS ANGLES ARRAYLIST ASIN AT ATAN CALL CENTROIDS COPYGAIN COPYLIST COS CREATELIST 
%token DEC DELTAS DEVIATION DISC DOLOOP DOWN ELLIPSE2D ELLIPSE3D ELSE END ENDEVENT EQ EVENT EXEC 
%token EXP EXTRACT FAILS FACTOR FIXEDLEN FLOAT FROM GAIN GAINARRAY GAINWORD GATEARRAY GATEDBY 
%token GATEMAP GATES GOTO GROUP GROUPFILTER GT IF INC INCBITS INDEXED INIT INTO INVALID 
%token INVALIDATE IOR IRANDOM ITEM KEEP LABEL LE LOG LOG10 LONG LONGLONG LOOPEXTRACT LOOPFAIL 
%token LOOPIF LT MASK MASKEDBY MOD MULTI NBIT NE NEWLISTX NEWLISTY NOT NOMATCH NUMBER NWORDS 
%token OFFSET ORDER ORDERED OUTPUT PASSES PAUSE PEAKAREA PEAKS POW RANDOM myREJECT REVERSED 
%token ROUTINE SAMPLE SAVE SELECT SET SIN SQRT STEP TAN TIMESTAMPOF TO UP UNI USER VALUEARRAY 
%token VALID VALUE VARLEN VOVERC WORD XOR

%%

program         : optnewlines { parser_version_trace(); } formatsection
                    { end_of_program(); }
                ;

formatsection   : STARFORMATS newlines fdefs
                | error NEWLINE fdefs
                ;

optnewlines     : %empty
                | newlines
                ;

newlines        : NEWLINE
                | newlines NEWLINE
                ;

fdefs           : { formats_start(); } formatstats { formats_end(); } triggersection
                ;

triggersection  : STARTRIGGERS newlines tdefs
                | datasection
                ;

tdefs           : trigstats datasection
                ;

datasection     : STARDATA newlines ddefs
                | spectrasection
                ;

ddefs           : datastats { data_end(); } spectrasection
                ;

spectrasection  : STARSPECTRA newlines sdefs
                | autogainsection
                ;

sdefs           : specstats { spectra_end(); } autogainsection
                ;

autogainsection : STARAUTOGAIN { autogain_start(); } newlines adefs
                | commandsection
                ;

adefs           : autogainstats commandsection
                ;

commandsection  : STARCOMMANDS { commands_start(); } newlines cdefs
                | finishsection
                ;

cdefs           : cstats { commands_end(); } runfilesection
                ;

runfilesection  : finishsection
                | STARRUNFILES newlines rdefs
                ;

rdefs           : runfilestats { runfiles_end(); } finishsection
                ;

finishsection   : STARFINISH newlines
                ;

/* *FORMATS: single parameters and groups with their items. */
formatstats     : %empty
                | formatstats formatstat newlines       { yyerrok; }
                | formatstats error newlines
                ;

formatstat      : NAME INTEGER                          { single_parameter($1, $2); }
                | NAME grouprange optnewline '(' optnewline devicelist ')'
                                                        { end_group($1); }
                ;

grouprange      : '[' { range_start(0, GROUP_RANGE_MAX); } rangelist ']' { range_end(); }
                ;

rangelist       : rangenumber
                | rangelist ',' optnewline rangenumber
                ;

rangenumber     : INTEGER                               { range_add($1); }
                | INTEGER ':' INTEGER                   { range_add_span($1, $3); }
                ;

devicelist      : devicename
                | devicelist ',' optnewline devicename
                | devicelist NEWLINE
                ;

devicename      : NAME optbits                          { add_item($1, $2); }
                ;

optbits         : %empty                                { $$ = 16; }
                | ':' INTEGER                           { $$ = $2; }
                ;

optnewline      : %empty
                | NEWLINE
                ;

/* *TRIGGERS: a trigger number and its single parameters, over one or more lines. */
trigstats       : %empty
                | trigstats trigstat
                ;

trigstat        : INTEGER { trigger_start($1); } adcwordlist { trigger_end(); }
                ;

adcwordlist     : NAME                                  { trigger_word($1); }
                | adcwordlist NAME                      { trigger_word($2); }
                | adcwordlist NEWLINE
                | adcwordlist error NAME                { trigger_word($3); }
                ;

/* *DATA: sortwords, gate maps, value and gate arrays, gains and array lists. */
datastats       : %empty
                | datastats datastat
                ;

datastat        : WORD { start_sortwords(SW_WORD); } wordvarlist newlines
                | LONG { start_sortwords(SW_LONG); } wordvarlist newlines
                | LONGLONG { start_sortwords(SW_LONGLONG); } wordvarlist newlines
                | FLOAT floatlist newlines
                | gatestat
                | arraystat
                ;

wordvarlist     : singleword
                | wordvarlist ',' optnewlines singleword
                ;

singleword      : NAME optival optaddress               { data_sortword($1); }
                ;

optival         : %empty                                { set_initial(0, 0); }
                | '=' INTEGER                           { set_initial(1, $2); }
                ;

optaddress      : %empty                                { set_address(-1); }
                | AT INTEGER                            { set_address($2); }
                ;

floatlist       : float
                | floatlist ',' optnewlines float
                ;

float           : NAME                                  { data_float($1, 0, 0); }
                | NAME '=' fval                         { data_float($1, 1, $3); }
                ;

fval            : INTEGER                               { $$ = number_from_integer($1); }
                | REAL                                  { $$ = number_from_real($1); }
                ;

gatestat        : gatekeyword ONED NAME '[' { clear_limits(); } arraylimits ']' newlines
                    { gatemap1d_start($3); } gates1d newlines { gatemap1d_end(); }
                | gatekeyword TWOD NAME '[' { clear_limits(); } arraylimits ',' arraylimits ']' newlines
                    { gatemap2d_start($3); } gates2d newlines { gatemap2d_end(); }
                | gatekeyword MASK NAME newlines { maskmap_start($3); } gatesbitmap newlines
                    { maskmap_end(); }
                | GATES ELLIPSE2D NAME newlines { ellipses_start($3, 2); } ellipse2dgates newlines
                    { ellipses_end(); }
                | GATES ELLIPSE3D NAME newlines { ellipses_start($3, 3); } ellipse3dgates newlines
                    { ellipses_end(); }
                ;

gatekeyword     : GATES
                | GATEMAP
                ;

gates1d         : gate1d
                | gates1d optnewline gate1d
                ;

gate1d          : '(' optnewline INTEGER optnewline INTEGER optnewline ')'  { gate1d($3, $5); }
                ;

gates2d         : gate2d
                | gates2d optnewlines gate2d
                ;

gate2d          : '(' coordpairs optnewline ')'         { gate2d_end(); }
                ;

coordpairs      : coordpair
                | coordpairs coordpair
                ;

coordpair       : optnewline INTEGER optnewline INTEGER { gate2d_point($2, $4); }
                ;

gatesbitmap     : gatebitmap
                | gatesbitmap optnewline gatebitmap
                ;

gatebitmap      : INTEGER                               { mask_word($1); }
                ;

ellipse2dgates  : ellipse2dgate
                | ellipse2dgates optnewline ellipse2dgate
                ;

ellipse2dgate   : '(' ellipsevalue ellipsevalue ellipsevalue ellipsevalue optnewline ')'
                                                        { ellipse_end(); }
                ;

ellipse3dgates  : ellipse3dgate
                | ellipse3dgates optnewline ellipse3dgate
                ;

ellipse3dgate   : '(' ellipsevalue ellipsevalue ellipsevalue ellipsevalue ellipsevalue ellipsevalue
                  optnewline ')'                        { ellipse_end(); }
                ;

ellipsevalue    : optnewline INTEGER                    { ellipse_value($2); }
                ;

arraystat       : VALUEARRAY NAME '[' { clear_limits(); } arraylimits opt2drange ']' optsave
                    { valuearray_start($2, $8); } optnewlines datalist { valuearray_end(); }
                | GATEARRAY NAME { gatearray_start($2); } gatelist newlines { gatearray_end(); }
                | GAINWORD NAME gainparmset newlines    { gainword($2, gain_a, gain_b, gain_c); }
                | ARRAYLIST NAME { arraylist_start($2); } optnewline arraynamelist NEWLINE
                    { arraylist_end(); }
                | GAINARRAY NAME { gainarray_start($2); } gainparmlist newlines { gainarray_end(); }
                ;

arraylimits     : INTEGER                               { push_limits(0, $1 - 1); }
                | INTEGER ':' INTEGER                   { push_limits($1, $3); }
                ;

opt2drange      : %empty
                | ',' arraylimits opt3drange
                ;

opt3drange      : %empty
                | ',' arraylimits
                ;

optsave         : %empty                                { $$ = 0; }
                | SAVE                                  { $$ = 1; }
                ;

datalist        : %empty
                | INTEGER { valuearray_integer($1); } intlist newlines
                | REAL { valuearray_real(number_from_real($1)); } reallist newlines
                ;

intlist         : %empty
                | intlist optnewline INTEGER            { valuearray_integer($3); }
                ;

reallist        : %empty
                | reallist optnewline REAL              { valuearray_real(number_from_real($3)); }
                | reallist optnewline INTEGER           { valuearray_real(number_from_integer($3)); }
                ;

gatelist        : optnewline gateindex
                | gatelist optnewline gateindex
                ;

gateindex       : INTEGER optnewline '(' optnewline INTEGER optnewline INTEGER ')'
                                                        { gatearray_element($1, $5, $7); }
                ;

gainparmset     : REAL REAL REAL
                    { gain_a = number_from_real($1); gain_b = number_from_real($2); gain_c = number_from_real($3); }
                ;

gainparmlist    : %empty
                | gainparmlist optnewlines gainindex
                ;

gainindex       : INTEGER '(' gainparmset ')'           { gainarray_element($1, gain_a, gain_b, gain_c); }
                ;

arraynamelist   : NAME                                  { arraylist_member($1); }
                | arraynamelist NAME                    { arraylist_member($2); }
                | arraynamelist NEWLINE
                | arraynamelist error NAME              { arraylist_member($3); }
                ;

/* *SPECTRA: name [indices] size precision [DISC], one per line. */
specstats       : %empty
                | specstats specstat newlines
                | specstats error NEWLINE
                ;

specstat        : NAME optspecrange nchans precision optdisc { spectrum_define($1, $2, $4, $5); }
                ;

optspecrange    : %empty                                { $$ = 0; }
                | specrange                             { $$ = 1; }
                ;

specrange       : '[' { range_start(0, SPECTRUM_INDEX_MAX); } rangelist ']' { range_end(); }
                ;

nchans          : INTEGER optspec2d                     { spectrum_shape(spec_type, $1, spec_y < 0 ? $1 : spec_y, spec_z < 0 ? $1 : spec_z); }
                ;

optspec2d       : %empty                                { spec_type = SPEC_1D; spec_y = 0; spec_z = 0; }
                | '*' INTEGER optspec3d                 { spec_y = $2; }
                | TWOD                                  { spec_type = SPEC_2D; spec_y = -1; spec_z = 0; }
                | THREED                                { spec_type = SPEC_SYM3D; spec_y = -1; spec_z = -1; }
                ;

optspec3d       : %empty                                { spec_type = SPEC_2D; spec_z = 0; }
                | '*' INTEGER                           { spec_type = SPEC_3D; spec_z = $2; }
                ;

precision       : %empty                                { $$ = -1; }
                | INTEGER                               { $$ = $1; }
                ;

optdisc         : %empty                                { $$ = 0; }
                | DISC                                  { $$ = 1; }
                ;

/* *AUTOGAIN: the calibration parameters, then the commands that fill the autogain spectra. */
autogainstats   : autogaindecs { autogain_declarations_end(); } autogaincommands
                    { autogain_commands_end(); }
                ;

autogaindecs    : autogaindec
                | autogaindecs autogaindec
                | autogaindecs error NEWLINE
                ;

autogaindec     : SAMPLE INTEGER newlines               { autogain_sample($2); }
                | PEAKAREA fval newlines                { autogain_peakarea($2); }
                | DEVIATION fval newlines               { autogain_deviation($2); }
                | INIT NAME FROM NAME CENTROIDS fval fval optnewlines fval fval newlines
                    { autogain_init_start($2, $4, $6, $7, $9, $10); } optpeakstat { autogain_init_end(); }
                | VOVERC fval newlines                  { autogain_voverc($2); }
                | COPYGAIN FROM NAME '[' INTEGER ':' INTEGER ']' TO NAME '[' INTEGER ':' INTEGER ']'
                  ANGLES NAME DELTAS NAME newlines      { autogain_copygain($3, $5, $7, $10, $12, $14, $17, $19); }
                ;

optpeakstat     : %empty
                | PEAKS newlines peakdecs
                ;

peakdecs        : %empty
                | peakdecs peakdec
                ;

peakdec         : INTEGER fval fval fval fval newlines  { autogain_peak($1, $2, $3, $4, $5); }
                ;

/* The autogain commands that spectrum updates and loops add come with the command grammar. */
autogaincommands: %empty
                | autogaincommands autogaincommand
                ;

autogaincommand : CREATELIST NAME FROM NAME newlines    { autogain_createlist($2, $4); }
                ;

/* *COMMANDS: the statements come with the command grammar; until then the section accepts
 * none and its error rule skips each line. */
cstats          : command1stats { main_commands_end(); } optroutstats { routines_end(); }
                ;

command1stats   : %empty
                | command1stats error NEWLINE
                ;

optroutstats    : %empty
                ;

/* *RUNFILES: tape files, lists and patterns of files, and disc files. */
runfilestats    : %empty
                | runfilestats runfilestat newlines
                | runfilestats error runfilestat newlines
                ;

runfilestat     : ANSINAME runfilespec                  { runfile_entry($1, $2); }
                | DISC FILENAME optblocknumbers         { runfile_disc($2, first_block(), last_block()); }
                | DISC FILENAMEPATTERN                  { runfile_disc($2, 0, 0); }
                ;

optblocknumbers : %empty                                { set_block_numbers(0, 0); }
                | blocknumbers
                ;

blocknumbers    : INTEGER                               { set_block_numbers($1, 0); }
                | INTEGER INTEGER                       { set_block_numbers($1, $2); }
                ;

runfilespec     : ANSINAME blocknumbers                 { $$ = $1; }
                | runfilelist                           { $$ = -1; }
                ;

runfilelist     : ANSINAME                              { runfile_list_start($1, 0); }
                | PATTERN                               { runfile_list_start($1, 1); }
                | runfilelist ',' runfilename           { runfile_list_add(',', $3, 0); }
                | runfilelist '-' runfilename           { runfile_list_add('-', $3, 0); }
                | runfilelist error
                ;

runfilename     : ANSINAME
                | PATTERN
                ;

%%

/* Syntax errors read "parse error, unexpected NAME, expecting A or B": the expected tokens are
 * listed when there are at most four of them. */
static const char *grammar_name(yysymbol_kind_t symbol)
{
    if (symbol == YYSYMBOL_YYEOF)
        return "$";
    if (symbol == YYSYMBOL_YYUNDEF)
        return "$undefined";
    return yysymbol_name(symbol);
}

const char *token_name(int token)
{
    return grammar_name(YYTRANSLATE(token));
}

static int yyreport_syntax_error(const yypcontext_t *ctx)
{
    enum { MAX_EXPECTED = 4 };
    yysymbol_kind_t expected[MAX_EXPECTED];
    int total = yypcontext_expected_tokens(ctx, NULL, 0);
    if (total <= 0) {
        yyerror("parse error");
        return 0;
    }
    int listed = yypcontext_expected_tokens(ctx, expected, MAX_EXPECTED);
    try {
        std::string message = "parse error, unexpected ";
        message += grammar_name(yypcontext_token(ctx));
        for (int i = 0; i < listed; i++) {
            message += i == 0 ? ", expecting " : " or ";
            message += grammar_name(expected[i]);
        }
        yyerror(message.c_str());
    } catch (const std::bad_alloc &) {
        yyerror("parse error; also virtual memory exhausted");
    }
    return 0;
}
