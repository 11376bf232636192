// Gates, maps, arrays and gains of the *DATA section.
#ifndef TARVIK_SEMANTICS_DATA_H
#define TARVIK_SEMANTICS_DATA_H

#include <cstdio>
#include <string>
#include <vector>

// True when the name is a gain, a gate map, an array or an array list.
bool search_data_names(const std::string &name);
// The "mapspace" lines: the count and total space, then one line per map and array.
void write_map_space(FILE *file);
std::vector<std::string> inquire_gain_array_names();
void write_gain_array_files();
void prdatainfo();

// The *DATA declarations of gate maps, arrays and gains, as the grammar hands them over.
bool declare_1dgatemap_name(const std::string &name, int min, int max);
void declare_1dgatemaps(const std::vector<int> &values);
bool declare_2dgatemap_name(const std::string &name, int xmin, int xmax, int ymin, int ymax);
void declare_2dgatemap(const std::vector<int> &values);
void end_2dgatemaps();
bool declare_maskgatemap_name(const std::string &name);
void declare_maskgatemap_data(const std::vector<int> &values);
bool declare_ellipse_gate_name(const std::string &name, int dimensions);
void declare_ellipse_gate(const std::vector<int> &values);
void end_ellipse_gates(int count);
void declare_value_array(const std::string &name, int type, int save, int xmin, int xmax, int ymin,
                         int ymax, int zmin, int zmax);
void write_idata(const std::vector<int> &values);
void write_rdata(const std::vector<float> &values);
void declare_gatearray(const std::string &name);
void def_gatearray_element(int group, int low, int high);
void write_gatearray(const std::string &name);
void declare_gainword_parms(const std::string &name, float a, float b, float c);
void declare_gain_name(const std::string &name, int type);
void def_gain_array_element(int group, float a, float b, float c);
void set_gain_maxgroup(const std::string &name, int maxgroup);
void declare_arraylist_name(const std::string &name, const std::vector<std::string> &members);

#endif
