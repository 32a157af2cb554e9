#include "tests/support/fake_report.h"

#include "report/report.h"
#include "report/report_file.h"
#include "tests/support/fake_system.h"

namespace {

FakeReport fake;

std::string& Bytes(const ReportFile& file) { return *static_cast<std::string*>(file.handle); }

}  // namespace

FakeReport& Report() { return fake; }
void ResetReport() { fake = FakeReport(); }

bool ChooseReportFile(DialogHandle owner, std::string& path) {
    fake.dialogOwners.push_back(owner);
    if (!fake.browsedDirectory.empty()) System().currentDirectory = fake.browsedDirectory;
    if (fake.cancel) return false;
    path = fake.choice;
    return true;
}

bool OpenReportFile(std::string_view path, ReportFile& file) {
    if (fake.failOpen) return false;
    auto [entry, created] = fake.files.try_emplace(std::string(path));
    file.handle = &entry->second;
    file.created = created;
    file.startSize = entry->second.size();
    fake.open = true;
    return true;
}

bool WriteReportFile(ReportFile& file, std::string_view bytes) {
    if (fake.writes++ == fake.failingWrite) {
        Bytes(file) += bytes.substr(0, bytes.size() / 2);
        return false;
    }
    Bytes(file) += bytes;
    return true;
}

bool CloseReportFile(ReportFile& file) {
    file.handle = nullptr;
    fake.open = false;
    return !fake.failClose;
}

bool TruncateReportFile(std::string_view path, std::uint64_t size) {
    auto entry = fake.files.find(std::string(path));
    if (fake.failTruncate || fake.open || entry == fake.files.end()) return false;
    entry->second.resize(size);
    return true;
}

bool RemoveReportFile(std::string_view path) {
    if (fake.failRemove || fake.open) return false;
    return fake.files.erase(std::string(path)) == 1;
}
