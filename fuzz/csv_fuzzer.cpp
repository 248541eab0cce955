// Reads any bytes as a CSV file, field by field, with every reading of a field.
#include "FuzzFile.h"
#include "fooddb/CCsvFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CCsvFile f;
    if (!f.OpenRead(FuzzInputFile(data, size)))
        return 0;
    for (int i = 0; i < 100000; ++i) {
        const bool eof = f.ReadField();
        (void)f.ReadText();
        (void)f.ReadNumber();
        (void)f.ReadInteger();
        double d;
        qint64 n;
        (void)f.FieldIsNumber(&d);
        (void)f.FieldIsInteger(&n);
        if (eof || f.HasError())
            break;
    }
    return 0;
}
