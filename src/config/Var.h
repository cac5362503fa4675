#ifndef BRAWLGEAR_CONFIG_VAR_H
#define BRAWLGEAR_CONFIG_VAR_H

// Engine.cfg: every setting of the engine and of the game, one text
// variable a line ("NAME = VALUE"). The file is read once at start-up and
// written back, sorted by name, at exit or when a script asks. Values stay
// text; each reader converts at the moment it reads (atoi, atof, an exact
// enumerant name). There are no defaults: looking up a name the file does
// not define is fatal.

#include "foundation/Pointer.h"
#include "foundation/Utils.h"

namespace bg {

class Var {
public:
    Var(const char* name, const char* value) : mName(name), mValue(value) {}

    const FixedString& getName() const { return mName; }
    const char* getValue() const { return mValue.c_str(); }
    void set(int value);
    void set(const char* value) { mValue = value; }

    int toInt() const;
    float toFloat() const;
    // Integer flags are on exactly when atoi gives 1.
    bool isOn() const { return toInt() == 1; }

private:
    FixedString mName;
    FixedString mValue;
};

class VarManager {
public:
    static constexpr int CAPACITY = 151;

    // Reads the file; a missing or unreadable file leaves the table empty.
    explicit VarManager(const char* fileName);
    VarManager(const VarManager&) = delete;
    VarManager& operator=(const VarManager&) = delete;

    // Fatal ("Var Table" assertion, after an error line naming the
    // variable) when the name is not defined.
    Var& get(const char* name);
    bool has(const char* name) const { return mVars.find(name) >= 0; }
    // Defines a new variable; false, and nothing added, when the table is
    // full. The caller checks that the name is new.
    bool add(const char* name, const char* value);
    int size() const { return mVars.size(); }
    const FixedString& getFileName() const { return mFileName; }

    // Writes every variable back, sorted by name: to a temporary file
    // beside the old one, which then replaces it, when the folder allows;
    // else over the old file in place; nothing when the file is read-only.
    void end();

private:
    void parse(const char* text);

    Table<Var> mVars;
    FixedString mFileName;
};

extern SharedPointer<VarManager> gVarManager;

} // namespace bg

#endif
