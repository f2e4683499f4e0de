// A small C++ DLL whose exports carry the Itanium names of MinGW, for the check of undecorated
// names and Clarion prototypes (scripts/cpp-dll-check.sh builds it with mingw-w64).
#define EXPORT __declspec(dllexport)

namespace quill {

class EXPORT Pen {
public:
    Pen();
    ~Pen();
    int width() const;
    void setWidth(int width);
    static Pen* create(const char* name);

private:
    int m_width = 1;
};

Pen::Pen() = default;
Pen::~Pen() = default;
int Pen::width() const
{
    return m_width;
}
void Pen::setWidth(int width)
{
    m_width = width;
}
Pen* Pen::create(const char*)
{
    return new Pen;
}

EXPORT double scale(double value, float factor)
{
    return value * factor;
}

}  // namespace quill

EXPORT int add(int a, int b)
{
    return a + b;
}

EXPORT unsigned long countChars(const char* text, char wanted)
{
    unsigned long count = 0;
    for (; *text != '\0'; ++text)
        count += *text == wanted ? 1 : 0;
    return count;
}

EXPORT int __stdcall drawLine(short* points, unsigned short count)
{
    return points != nullptr ? count : 0;
}

EXPORT long long total(long long a, long long b)
{
    return a + b;
}

template <typename T>
EXPORT T twice(T value)
{
    return value + value;
}
template EXPORT int twice<int>(int);

EXPORT int sum(int count, ...)
{
    return count;
}

extern "C" EXPORT int __stdcall PlainStdcall(int a, int b)
{
    return a - b;
}

extern "C" EXPORT int PlainCdecl(void)
{
    return 7;
}

EXPORT int gCounter = 0;
