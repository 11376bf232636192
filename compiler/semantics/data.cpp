// Gates, maps, arrays and gains of the *DATA section.
//
// Placeholder: the tables of gate maps, arrays, gains and array lists are not built yet. The
// grammar already parses and checks their declarations and hands them over here, where they
// are not recorded, so that the maps, arrays and gains of a program are not yet known to the
// rest of the compiler and "mapspace", "mapinfo" and "gainnames" describe none of them.
#include "semantics/data.h"

bool search_data_names(const std::string &) { return false; }

void write_map_space(FILE *file)
{
    std::fprintf(file, "%-60s%4d%12d\n", "maps", 0, 0);
}

std::vector<std::string> inquire_gain_array_names() { return {}; }
void write_gain_array_files() {}
void prdatainfo() {}

bool declare_1dgatemap_name(const std::string &, int, int) { return false; }
void declare_1dgatemaps(const std::vector<int> &) {}
bool declare_2dgatemap_name(const std::string &, int, int, int, int) { return false; }
void declare_2dgatemap(const std::vector<int> &) {}
void end_2dgatemaps() {}
bool declare_maskgatemap_name(const std::string &) { return false; }
void declare_maskgatemap_data(const std::vector<int> &) {}
bool declare_ellipse_gate_name(const std::string &, int) { return false; }
void declare_ellipse_gate(const std::vector<int> &) {}
void end_ellipse_gates(int) {}
void declare_value_array(const std::string &, int, int, int, int, int, int, int, int) {}
void write_idata(const std::vector<int> &) {}
void write_rdata(const std::vector<float> &) {}
void declare_gatearray(const std::string &) {}
void def_gatearray_element(int, int, int) {}
void write_gatearray(const std::string &) {}
void declare_gainword_parms(const std::string &, float, float, float) {}
void declare_gain_name(const std::string &, int) {}
void def_gain_array_element(int, float, float, float) {}
void set_gain_maxgroup(const std::string &, int) {}
void declare_arraylist_name(const std::string &, const std::vector<std::string> &) {}
