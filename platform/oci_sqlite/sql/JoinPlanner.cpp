// Oracle's old outer-join notation: a condition whose columns of one table carry (+) makes that
// table optional. SQLite knows only LEFT JOIN, so such conditions move into the table's ON clause
// and the optional tables follow every table their conditions mention.
#include "platform/oci_sqlite/sql/SqliteEmitter.h"

#include <algorithm>

namespace orasql {
namespace {

void Conjuncts(const Expr* e, std::vector<const Expr*>& out) {
    if (!e)
        return;
    if (e->kind == ExprKind::Binary && e->text == "AND") {
        Conjuncts(e->args[0].get(), out);
        Conjuncts(e->args[1].get(), out);
    } else {
        out.push_back(e);
    }
}

void Columns(const Expr& e, std::vector<const Expr*>& out) {
    if (e.kind == ExprKind::Column)
        out.push_back(&e);
    for (const ExprPtr& a : e.args)
        Columns(*a, out);
}

std::string KeyOf(const TableRef& t) {
    return t.alias.empty() ? t.name : t.alias;
}

} // namespace

JoinPlan PlanJoins(const SelectCore& core, const std::function<std::string(const Expr&)>& ownerOf) {
    JoinPlan plan;
    std::vector<const Expr*> conditions;
    Conjuncts(core.where.get(), conditions);
    std::map<std::string, std::vector<const Expr*>> outerOn;
    for (const Expr* c : conditions) {
        std::vector<const Expr*> cols;
        Columns(*c, cols);
        std::set<std::string> owners;
        for (const Expr* col : cols)
            if (col->outerJoin)
                owners.insert(ownerOf(*col));
        if (owners.empty()) {
            plan.where.push_back(c);
            continue;
        }
        if (owners.size() > 1)
            ThrowOracleError(1468, "a predicate may reference only one outer-joined table", c->offset);
        if (std::any_of(core.from.begin(), core.from.end(),
                        [](const TableRef& t) { return t.join != JoinKind::Comma; }))
            ThrowOracleError(25156, "old style outer join (+) cannot be used with ANSI joins", c->offset);
        outerOn[*owners.begin()].push_back(c);
    }
    std::vector<const TableRef*> optional;
    for (const TableRef& t : core.from) {
        if (outerOn.count(KeyOf(t)))
            optional.push_back(&t);
        else
            plan.tables.push_back(PlannedTable{&t, t.join, {}});
    }
    // Place each optional table once every table its conditions mention is placed.
    std::set<std::string> placed;
    for (const PlannedTable& p : plan.tables)
        placed.insert(KeyOf(*p.ref));
    while (!optional.empty()) {
        auto ready = std::find_if(optional.begin(), optional.end(), [&](const TableRef* t) {
            for (const Expr* c : outerOn[KeyOf(*t)]) {
                std::vector<const Expr*> cols;
                Columns(*c, cols);
                for (const Expr* col : cols) {
                    const std::string owner = ownerOf(*col);
                    if (!col->outerJoin && !owner.empty() && owner != KeyOf(*t) && !placed.count(owner))
                        return false;
                }
            }
            return true;
        });
        if (ready == optional.end())
            ThrowOracleError(1416, "two tables cannot be outer-joined to each other",
                             (*optional.begin())->offset);
        plan.tables.push_back(PlannedTable{*ready, JoinKind::Left, outerOn[KeyOf(**ready)]});
        placed.insert(KeyOf(**ready));
        optional.erase(ready);
    }
    return plan;
}

} // namespace orasql
