// The fixed hooks of a run, called by the grammar at the points where they fire: the start of
// the parse, the ends of the sections and the end of the program. Code generators run only
// while no error has been reported; table routines and checks always run.
#include "parser_support.h"

#include <cstdio>

#include "actions/frame.h"
#include "actions/declarations.h"
#include "actions/gain.h"
#include "declaration_state.h"
#include "keywords.h"
#include "options.h"
#include "semantics/formats.h"
#include "semantics/routines.h"
#include "semantics/setup_files.h"
#include "semantics/sortwords.h"
#include "semantics/spectra.h"
#include "semantics/autogain.h"
#include "semantics/data.h"


namespace {

int command_level = 0;

void announce(const char *call)
{
    if (trace >= 2)
        std::fprintf(yyerfp, "[call %s()]\n", call);
}

} // namespace

const char *parser_message(const char *text)
{
    if (std::string_view(text) == "memory exhausted")
        return "parser stack overflow";
    return text;
}

void parse_start()
{
    init_keywords();
    init_semantic_routines();
    if (generating()) {
        do_init();
        do_cginit();
    }
}

void parser_version_trace()
{
    if (trace >= 1)
        std::fprintf(yyerfp, "Parser version: %s\n", version_number);
}

void formats_start()
{
    reset_format_state();
}

void formats_end()
{
    if (trace >= 2)
        prformatinfo();
}

void data_end()
{
    write_gatemapspace();
    write_gainnames();
    if (trace >= 2)
        prdatainfo();
}

void spectra_end()
{
    check_disc_spectra();
    write_spectable();
    if (trace >= 2)
        prspecinfo();
}

void autogain_start()
{
    reset_autogain_params();
    if (generating())
        do_autogain_start();
}

void autogain_declarations_end()
{
    int sample_size = end_autogain_declarations();
    if (generating()) {
        do_autogain_period(sample_size);
        do_autogain_end();
        do_autogain_event_start();
    }
}

void autogain_commands_end()
{
    if (generating())
        do_autogain_event_end();
}

void commands_start()
{
    write_gainarrays();
    write_autogain_params();
    leave_autogain_section();
    announce("do_cominit");
    if (generating())
        do_cominit();
}

void main_commands_end()
{
    reset_labels(command_level);
    reset_dollarwords(command_level);
    check_labels();
    announce("do_mainend");
    if (generating())
        do_mainend();
    if (trace >= 2)
        prcommandsinfo();
    init_routine();
}

void routines_end()
{
    check_sortwords();
    check_dollarwords();
    check_routines();
}

void commands_end()
{
    announce("do_commend");
    if (generating())
        do_commend();
}

void runfiles_end()
{
    close_runfiles();
}

void end_of_program()
{
    announce("do_decs");
    if (generating())
        do_decs();
    if (trace >= 2)
        std::fprintf(yyerfp, "[parser returning...]\n");
}
