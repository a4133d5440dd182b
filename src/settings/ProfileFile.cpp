#include "settings/ProfileFile.h"

#include "settings/ConfigModel.h"
#include "ui/CStdioFileEx.h"

namespace vexmo {

namespace {

constexpr size_t kActionDigits = MacroRecord::kMaxActions * 8;

// ---- writing ----

Text hex2(unsigned v) {
    return formatHex2(v & 0xFF);
}

Text rgb(Colour c) {
    return hex2(redOf(c)) + hex2(greenOf(c)) + hex2(blueOf(c));
}

Text bytes3(const std::array<uint8_t, 3>& b) {
    return hex2(b[0]) + hex2(b[1]) + hex2(b[2]);
}

// Ten formatted values separated by bars, then end.
template <typename T, typename F>
Text list10(const std::array<T, 10>& values, F format, std::u16string_view end) {
    Text out;
    for (size_t k = 0; k < values.size(); ++k) {
        if (k > 0) out += u'|';
        out += format(values[k]);
    }
    out += end;
    return out;
}

Text byteList(const std::array<uint8_t, 10>& v, std::u16string_view end = {}) {
    return list10(
        v, [](uint8_t b) { return hex2(b); }, end);
}

Text profileText(const ProfileRecord& r) {
    Text t = u"[Setting]\n";
    auto line = [&t](std::u16string_view key, const Text& value) {
        t.append(key);
        t += u'=';
        t += value;
        t += u'\n';
    };
    for (const NamedValue& nv : r.namedValues)
        line(nv.key, nv.value);
    line(u"DPIOffOnFlagValue", hex2(r.dpiOffOnFlag));
    for (int k = 0; k < ProfileRecord::kDpiLevels; ++k)
        line(u"\tXYSetting" + formatDec(k + 1) + u"Value", formatHex4(r.xySetting[k]));
    line(u"\tCurrentDPILevelValue", hex2(r.currentDpiLevel));
    for (int k = 0; k < ProfileRecord::kDpiLevels; ++k)
        line(u"\tDPILevelIndication" + formatDec(k) + u"Valuer", rgb(r.dpiLevelIndication[k]));
    line(u"\tAngleSnapValue", hex2(r.angleSnap));
    line(u"\tLiftDetectionValue", hex2(r.liftDetection));
    line(u"PollingRateName", r.pollingRateName);
    line(u"\tPollingRateValue", bytes3(r.pollingRateValue));
    line(u"Lighting1Name", r.lighting1Name);
    line(u"\tLighting1ModeValue", bytes3(r.lighting1ModeValue));
    line(u"\tLighting1OffOn", hex2(r.lighting1OffOn));
    line(u"\tLighting1Speed", byteList(r.lighting1Speed));
    line(u"\tLighting1Brightness", byteList(r.lighting1Brightness));
    Text selected, colours;
    for (int m = 0; m < ProfileRecord::kModes; ++m) {
        selected += byteList(r.lighting1ColorSelected[m], u";");
        colours += list10(r.lighting1FixedColor[m], rgb, u";");
    }
    line(u"\tLighting1ColorSelected", selected);
    line(u"\tLighting1FixedColor", colours);
    line(u"\tLighting1Direction", byteList(r.lighting1Direction));
    line(u"Lighting2Name", r.lighting2Name);
    line(u"\tLighting2ModeValue", bytes3(r.lighting2ModeValue));
    line(u"\tLighting2OffOn", hex2(r.lighting2OffOn));
    line(u"\tLighting2Speed", hex2(r.lighting2Speed));
    line(u"\tLighting2Brightness", hex2(r.lighting2Brightness));
    line(u"\tLighting2FixedColor", rgb(r.lighting2FixedColor));
    for (int u = 0; u < ProfileRecord::kButtons; ++u) {
        const ButtonAssignment& b = r.buttons[u];
        const Text n = formatDec(u);
        line(u"Key" + n + u"Name", b.name);
        line(u"\tKey" + n + u"Value", bytes3(b.code));
        line(u"\tMacroKeyIndex", formatUnsigned(b.macroKeyIndex));
        line(u"\tMacroKey" + n + u"Name", b.macro.name);
        line(u"\t\tMacroActionNum", formatUnsigned(b.macro.actionNum));
        Text actions;
        actions.reserve(kActionDigits);
        for (const MacroAction& a : b.macro.actions)
            actions += hex2(a.code) + hex2(a.flags) + hex2(a.data1) + hex2(a.data2);
        line(u"\t\tAllAction", actions);
    }
    return t;
}

// ---- reading ----

// Hexadecimal number in the digits characters at pos (missing characters read as none).
unsigned long hexAt(TextView v, size_t pos, size_t digits) {
    return parseHex(substrSafe(v, pos, digits));
}
uint8_t byteAt(TextView v, size_t pos) {
    return static_cast<uint8_t>(hexAt(v, pos, 2));
}
Colour colourAt(TextView v, size_t pos) {
    return makeColour(byteAt(v, pos), byteAt(v, pos + 2), byteAt(v, pos + 4));
}
std::array<uint8_t, 3> bytes3At(TextView v) {
    return {byteAt(v, 0), byteAt(v, 2), byteAt(v, 4)};
}
void byteListAt(TextView v, std::array<uint8_t, 10>& out) {
    for (size_t k = 0; k < out.size(); ++k)
        out[k] = byteAt(v, 3 * k);
}

// Hands out the value part (after the first "=") of each line in turn. The first missing or
// unusable line marks the read as failed; later requests then give empty values.
class LineReader {
public:
    // Where the "=" may be and whether a value must follow it.
    enum Rule { kKeyed, kAnyKey, kAnyKeyNonEmpty };

    explicit LineReader(CStdioFileEx& file) : file_(file) {}

    TextView next(Rule rule = kKeyed) {
        key_ = {};
        if (failed_ || !file_.ReadString(line_)) return fail();
        const size_t eq = findChar(line_, u'=');
        if (eq == Text::npos || (eq == 0 && rule == kKeyed)) return fail();
        if (rule == kAnyKeyNonEmpty && eq + 1 == line_.size()) return fail();
        key_ = TextView(line_).substr(0, eq);
        return TextView(line_).substr(eq + 1);
    }
    TextView key() const { return key_; }
    TextView fail() {
        failed_ = true;
        return {};
    }
    bool ok() const { return !failed_; }

private:
    CStdioFileEx& file_;
    Text line_;
    TextView key_;
    bool failed_ = false;
};

bool readRecord(CStdioFileEx& file, ProfileRecord& r) {
    Text header;
    if (!file.ReadString(header) || header != u"[Setting]") return false;
    LineReader in(file);
    for (NamedValue& nv : r.namedValues) {
        const TextView value = in.next();
        nv = {Text(in.key()), Text(value)};
    }
    r.dpiOffOnFlag = byteAt(in.next(), 0);
    for (uint16_t& step : r.xySetting)
        step = static_cast<uint16_t>(hexAt(in.next(), 0, 4));
    r.currentDpiLevel = byteAt(in.next(), 0);
    for (Colour& c : r.dpiLevelIndication)
        c = colourAt(in.next(), 0);
    r.angleSnap = byteAt(in.next(), 0);
    r.liftDetection = byteAt(in.next(), 0);
    r.pollingRateName = in.next();
    r.pollingRateValue = bytes3At(in.next());
    r.lighting1Name = in.next();
    r.lighting1ModeValue = bytes3At(in.next());
    r.lighting1OffOn = byteAt(in.next(), 0);
    byteListAt(in.next(), r.lighting1Speed);
    byteListAt(in.next(), r.lighting1Brightness);
    const TextView selected = in.next();
    for (size_t j = 0; j < 100; ++j)
        r.lighting1ColorSelected[j / 10][j % 10] = byteAt(selected, 3 * j);
    const TextView colours = in.next();
    for (size_t j = 0; j < 100; ++j)
        r.lighting1FixedColor[j / 10][j % 10] = colourAt(colours, 7 * j);
    byteListAt(in.next(), r.lighting1Direction);
    r.lighting2Name = in.next();
    r.lighting2ModeValue = bytes3At(in.next());
    r.lighting2OffOn = byteAt(in.next(), 0);
    r.lighting2Speed = byteAt(in.next(), 0);
    r.lighting2Brightness = byteAt(in.next(), 0);
    r.lighting2FixedColor = colourAt(in.next(), 0);

    for (ButtonAssignment& b : r.buttons) {
        b.name = in.next();
        b.code = bytes3At(in.next());
        b.macroKeyIndex = static_cast<uint32_t>(parseDec(in.next(LineReader::kAnyKeyNonEmpty)));
        b.macro.name = in.next(LineReader::kAnyKey);
        // More actions than a macro holds is as damaged as a malformed line.
        const long count = parseDec(in.next(LineReader::kAnyKeyNonEmpty));
        if (count < 0 || count > static_cast<long>(MacroRecord::kMaxActions)) in.fail();
        b.macro.actionNum = in.ok() ? static_cast<uint32_t>(count) : 0;
        const TextView actions = in.next(LineReader::kAnyKeyNonEmpty);
        if (actions.size() != kActionDigits) in.fail();
        for (size_t i = 0; i < MacroRecord::kMaxActions; ++i) {
            b.macro.actions[i] = {byteAt(actions, 8 * i), byteAt(actions, 8 * i + 2),
                                  byteAt(actions, 8 * i + 4), byteAt(actions, 8 * i + 6)};
        }
        // The file does not carry the device step count; derive it so the macro uploads right.
        b.macro.commandActionNum = b.macro.CountDeviceSteps();
    }
    return in.ok();
}

}  // namespace

bool SaveProfileFile(const ProfileRecord& record, const std::string& path) {
    CStdioFileEx file;
    if (!file.Open(path, CStdioFileEx::kCreateFlags)) return false;
    file.WriteString(profileText(record));
    return file.Close();
}

bool ReadProfileFile(ProfileRecord& record, const std::string& path) {
    CStdioFileEx file;
    return file.Open(path, CStdioFileEx::kReadFlags) && readRecord(file, record);
}

bool LoadProfileFile(ConfigModel& model, int slot, const std::string& path) {
    if (slot < 0 || slot >= SettingsStore::kSlots) return false;
    ProfileRecord& record = model.profiles[static_cast<size_t>(slot)];
    if (ReadProfileFile(record, path)) return true;
    ResetProfile(record, slot, model.language, model.sensorId);
    SaveProfileFile(record, model.settings.ProfileSlotPath(slot));
    return false;
}

}  // namespace vexmo
