// What the declaration grammar collects while it reads a statement, and the calls it makes
// at each statement's end: range lists, item lists, coordinates, value arrays, autogain
// parameters and run files.
#ifndef TARVIK_DECLARATION_STATE_H
#define TARVIK_DECLARATION_STATE_H

constexpr int RANGE_SLOTS = 1023;        // numbers of a range list, the terminator included
constexpr int MAX_ITEMS = 1023;          // items of one group statement
constexpr int GROUP_RANGE_MAX = 1023;
constexpr int SPECTRUM_INDEX_MAX = 4095;
constexpr int MAX_TRIGGER = 63;
constexpr int VALUE_CHUNK = 64;          // values handed to the array table at a time
constexpr int MAX_ARRAYLIST = 128;
constexpr int MAX_TAPE_NAME = 17;
constexpr int MAX_RUNFILE_TEXT = 255;
constexpr int MAX_RUNFILES = 255;

// Numbers: a real's value from its token text, kept by index like an integer's.
int number_from_integer(int value);
int number_from_real(int text_index);
double number_value(int index);

// Range lists of group numbers and spectrum indices.
void range_start(int min, int max);
void range_add(int value);
void range_add_span(int first, int last);
void range_end();

// *FORMATS
void reset_format_state();
void single_parameter(int name, int address);
void add_item(int name, int bits);
void end_group(int name);

// *TRIGGERS
void trigger_start(int number);
void trigger_word(int name);
void trigger_end();

// *DATA sortwords
void start_sortwords(int type);
void set_initial(int has_initial, int value);
void set_address(int address);
void data_sortword(int name);
void data_float(int name, int has_initial, int number);

// *DATA gates, arrays and gains
void clear_limits();
void push_limits(int low, int high);
void gatemap1d_start(int name);
void gate1d(int low, int high);
void gatemap1d_end();
void gatemap2d_start(int name);
void gate2d_point(int x, int y);
void gate2d_end();
void gatemap2d_end();
void maskmap_start(int name);
void mask_word(int value);
void maskmap_end();
void ellipses_start(int name, int dimensions);
void ellipse_value(int value);
void ellipse_end();
void ellipses_end();
void valuearray_start(int name, int save);
void valuearray_integer(int value);
void valuearray_real(int number);
void valuearray_end();
void gatearray_start(int name);
void gatearray_element(int group, int low, int high);
void gatearray_end();
void gainword(int name, int a, int b, int c);
void gainarray_start(int name);
void gainarray_element(int group, int a, int b, int c);
void gainarray_end();
void arraylist_start(int name);
void arraylist_member(int name);
void arraylist_end();

// *SPECTRA
void spectrum_shape(int spectype, int x, int y, int z);
void spectrum_define(int name, int has_range, int precision, int disc);

// *AUTOGAIN
void autogain_sample(int size);
void autogain_peakarea(int number);
void autogain_deviation(int number);
void autogain_voverc(int number);
void autogain_init_start(int gainarray, int spectrum, int c1, int c2, int c3, int c4);
void autogain_peak(int group, int p1, int p2, int p3, int p4);
void autogain_init_end();
void autogain_copygain(int src, int s1, int s2, int dst, int d1, int d2, int angles, int deltas);
void autogain_createlist(int list, int group);

// *RUNFILES
void runfile_list_start(int name, int is_pattern);
void runfile_list_add(char separator, int name, int is_pattern);
void runfile_tape(int volume, int file, int first, int last);
void runfile_tape_list(int volume);
// A tape entry: one file with its blocks when file is a name, else the list just read.
void runfile_entry(int volume, int file);
void runfile_disc(int text, int first, int last);
void set_block_numbers(int first, int last);
int first_block();
int last_block();

#endif
