// Draws the built-in icon catalogue at build time from its manifest: one SVG
// picture per icon name and size, and the resource list that compiles them into
// the collection "content". Each picture is a rounded tile in its group's colour
// with a simple white shape picked by the name and the initials of the name's
// words on top, so that icons can be told apart in a menu. Nothing is read but
// the manifest, and the program needs no library beyond the standard one.
//
// Usage: iconcatalogue <manifest> <output directory>
// Writes <output directory>/content.qrc and the pictures below
// <output directory>/content/icons/default/.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{
const char *const CatalogueRoot = "content/icons/default";

struct Icon
{
    std::string group;
    std::string name;
    std::string size; // "24" or "26x24"
};

// A stable number per text (FNV-1a), so that a rebuild draws the same pictures.
std::uint32_t Hash(const std::string &text)
{
    std::uint32_t hash = 2166136261u;
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

// "NxM" is N wide and M high; "M" is square.
bool ParseSize(const std::string &size, int &width, int &height)
{
    const std::string::size_type x = size.find('x');
    try {
        if (x == std::string::npos) {
            width = height = std::stoi(size);
        } else {
            width = std::stoi(size.substr(0, x));
            height = std::stoi(size.substr(x + 1));
        }
    } catch (const std::exception &) {
        return false;
    }
    return width > 0 && height > 0 && width <= 256 && height <= 256;
}

// The folder of a size is its height: a 26x24 picture belongs with the 24 px
// ones.
std::string SizeFolder(const std::string &size)
{
    const std::string::size_type x = size.find('x');
    return (x == std::string::npos ? size : size.substr(x + 1)) + "px";
}

std::string Label(const std::string &name)
{
    std::string label;
    bool wordStart = true;
    for (const char c : name) {
        if (c == '_') {
            wordStart = true;
            continue;
        }
        if (wordStart && label.size() < 3)
            label += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        wordStart = false;
    }
    return label;
}

std::string Title(const std::string &name)
{
    std::string title = name;
    for (char &c : title) {
        if (c == '_')
            c = ' ';
    }
    return title;
}

// One hue per group, spread round the colour wheel.
std::string GroupColour(const std::string &group, bool dark)
{
    static const char *const Light[] = {"#d84315", "#c62828", "#6a1b9a", "#283593", "#00695c", "#2e7d32",
                                        "#1565c0", "#ef6c00", "#4e342e", "#ad1457", "#558b2f", "#00838f",
                                        "#f9a825", "#37474f", "#5d4037", "#0277bd"};
    static const char *const Dark[] = {"#8c2b0d", "#801a1a", "#451164", "#1a235f", "#00443b", "#1e511f",
                                       "#0e427d", "#9b4600", "#321f1a", "#700c38", "#375a1c", "#00555d",
                                       "#a16d18", "#232e33", "#3c2a24", "#014d7a"};
    const std::uint32_t index = Hash(group) % 16;
    return dark ? Dark[index] : Light[index];
}

// A faint shape behind the label; which one follows the name.
std::string Shape(const std::string &name, double w, double h)
{
    const double cx = w / 2;
    const double cy = h / 2;
    std::ostringstream svg;
    svg << "<g fill=\"none\" stroke=\"#ffffff\" stroke-opacity=\"0.55\" stroke-width=\"1.5\">";
    switch (Hash(name) % 5) {
    case 0:
        svg << "<circle cx=\"" << cx << "\" cy=\"" << cy << "\" r=\"" << h * 0.34 << "\"/>";
        break;
    case 1:
        svg << "<polygon points=\"" << cx << ',' << h * 0.14 << ' ' << w - h * 0.14 << ',' << cy << ' ' << cx << ','
            << h * 0.86 << ' ' << h * 0.14 << ',' << cy << "\"/>";
        break;
    case 2:
        svg << "<polygon points=\"" << cx << ',' << h * 0.14 << ' ' << cx + h * 0.36 << ',' << h * 0.8 << ' '
            << cx - h * 0.36 << ',' << h * 0.8 << "\"/>";
        break;
    case 3:
        svg << "<rect x=\"" << cx - h * 0.3 << "\" y=\"" << h * 0.2 << "\" width=\"" << h * 0.6 << "\" height=\""
            << h * 0.6 << "\"/>";
        break;
    default:
        svg << "<line x1=\"" << h * 0.18 << "\" y1=\"" << h * 0.82 << "\" x2=\"" << w - h * 0.18 << "\" y2=\""
            << h * 0.18 << "\"/>";
        break;
    }
    svg << "</g>";
    return svg.str();
}

// Drawn on a canvas 24 units high whatever the picture's pixel size, so that
// every size shows the same picture.
std::string Picture(const Icon &icon, int width, int height)
{
    const double h = 24;
    const double w = 24.0 * width / height;
    const std::string label = Label(icon.name);
    const double fontSize = label.size() <= 1 ? 13 : label.size() == 2 ? 10 : 7.5;
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\"" << width
        << "\" height=\"" << height << "\" viewBox=\"0 0 " << w << ' ' << h << "\">\n"
        << "<title>" << Title(icon.name) << "</title>\n"
        << "<rect x=\"1\" y=\"1\" width=\"" << w - 2 << "\" height=\"" << h - 2 << "\" rx=\"4\" fill=\""
        << GroupColour(icon.group, false) << "\" stroke=\"" << GroupColour(icon.group, true)
        << "\" stroke-width=\"1\"/>\n"
        << Shape(icon.name, w, h) << '\n'
        << "<text x=\"" << w / 2 << "\" y=\"" << h / 2 + fontSize * 0.36
        << "\" font-family=\"DejaVu Sans\" font-size=\""
        << fontSize << "\" font-weight=\"bold\" text-anchor=\"middle\" fill=\"#ffffff\">" << label << "</text>\n"
        << "</svg>\n";
    return svg.str();
}

bool ValidWord(const std::string &word)
{
    if (word.empty())
        return false;
    for (const char c : word) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    }
    return true;
}

bool ReadManifest(const std::string &fileName, std::vector<Icon> &icons)
{
    std::ifstream manifest(fileName);
    if (!manifest) {
        std::cerr << fileName << ": cannot be read\n";
        return false;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(manifest, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string group;
        std::string name;
        std::string size;
        words >> group >> name;
        bool any = false;
        while (words >> size) {
            int width = 0;
            int height = 0;
            if (!ValidWord(group) || !ValidWord(name) || !ParseSize(size, width, height)) {
                std::cerr << fileName << ':' << lineNumber << ": not \"group name size...\"\n";
                return false;
            }
            icons.push_back({group, name, size});
            any = true;
        }
        if (!any) {
            std::cerr << fileName << ':' << lineNumber << ": no size\n";
            return false;
        }
    }
    return true;
}
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: iconcatalogue <manifest> <output directory>\n";
        return 2;
    }
    std::vector<Icon> icons;
    if (!ReadManifest(argv[1], icons))
        return 1;

    const fs::path output(argv[2]);
    std::error_code error;
    // A name dropped from the manifest must not linger in the folders.
    fs::remove_all(output / "content", error);

    std::set<std::string> paths;
    std::ostringstream qrc;
    qrc << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/\">\n";
    for (const Icon &icon : icons) {
        int width = 0;
        int height = 0;
        ParseSize(icon.size, width, height);
        const std::string relative = std::string(CatalogueRoot) + '/' + icon.group + "/svg/production/"
                                     + SizeFolder(icon.size) + "/ic_" + icon.name + '_' + icon.size + "px.svg";
        if (!paths.insert(relative).second) {
            std::cerr << relative << ": listed twice\n";
            return 1;
        }
        const fs::path file = output / relative;
        fs::create_directories(file.parent_path(), error);
        std::ofstream svg(file, std::ios::binary | std::ios::trunc);
        svg << Picture(icon, width, height);
        if (!svg) {
            std::cerr << file.string() << ": cannot be written\n";
            return 1;
        }
        qrc << "        <file>" << relative << "</file>\n";
    }
    qrc << "    </qresource>\n</RCC>\n";

    std::ofstream list(output / "content.qrc", std::ios::binary | std::ios::trunc);
    list << qrc.str();
    if (!list) {
        std::cerr << "content.qrc cannot be written\n";
        return 1;
    }
    return 0;
}
