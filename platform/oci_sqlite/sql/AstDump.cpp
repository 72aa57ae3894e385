// A compact prefix rendering of the tree, so that tests can state what the parser understood
// without depending on the emitter.
#include "platform/oci_sqlite/sql/Parser.h"

namespace orasql {
namespace {

std::string Name(const std::string& qualifier, const std::string& name) {
    return qualifier.empty() ? name : qualifier + "." + name;
}

std::string List(const std::vector<ExprPtr>& items, size_t from = 0) {
    std::string out;
    for (size_t i = from; i < items.size(); ++i)
        out += " " + Dump(*items[i]);
    return out;
}

std::string DumpTable(const TableRef& t) {
    static const char* kJoins[] = {"", "JOIN ", "LEFT JOIN "};
    std::string out = kJoins[static_cast<int>(t.join)];
    out += t.subquery ? Dump(*t.subquery) : t.name;
    if (!t.alias.empty())
        out += " " + t.alias;
    if (t.on)
        out += " ON " + Dump(*t.on);
    return out;
}

std::string DumpCore(const SelectCore& c) {
    std::string out = c.distinct ? "(SELECT DISTINCT" : "(SELECT";
    for (const SelectItem& item : c.items)
        out += " " + Dump(*item.expr) + (item.alias.empty() ? "" : " AS " + item.alias);
    out += " FROM";
    for (const TableRef& t : c.from)
        out += " " + DumpTable(t);
    if (c.where)
        out += " WHERE " + Dump(*c.where);
    if (!c.groupBy.empty())
        out += " GROUP BY" + List(c.groupBy);
    if (c.having)
        out += " HAVING " + Dump(*c.having);
    return out + ")";
}

std::string DumpOrder(const std::vector<OrderItem>& items) {
    std::string out = " ORDER BY";
    for (const OrderItem& o : items) {
        out += " " + Dump(*o.expr) + (o.descending ? " DESC" : "");
        if (o.nulls != NullsOrder::Default)
            out += o.nulls == NullsOrder::First ? " NULLS FIRST" : " NULLS LAST";
    }
    return out;
}

std::string DumpWindow(const Window& w) {
    std::string out = "OVER(";
    if (!w.partitionBy.empty())
        out += "PARTITION BY" + List(w.partitionBy);
    if (!w.orderBy.empty())
        out += DumpOrder(w.orderBy);
    if (!w.frame.empty())
        out += " " + w.frame;
    return out + ")";
}

} // namespace

std::string Dump(const Expr& e) {
    const std::string neg = e.negated ? "NOT " : "";
    switch (e.kind) {
    case ExprKind::Number:
        return e.text;
    case ExprKind::String:
        return "'" + e.text + "'";
    case ExprKind::Null:
        return "NULL";
    case ExprKind::Bind:
        return ":" + e.text;
    case ExprKind::Column:
        return Name(e.qualifier, e.text) + (e.outerJoin ? "(+)" : "");
    case ExprKind::Star:
        return Name(e.qualifier, "*");
    case ExprKind::Unary:
    case ExprKind::Binary:
        return "(" + e.text + List(e.args) + ")";
    case ExprKind::Function:
        return "(" + e.text + (e.qualifier.empty() ? "" : " " + e.qualifier) +
               (e.distinct ? " DISTINCT" : "") + (e.star ? " *" : "") + List(e.args) +
               (e.over ? " " + DumpWindow(*e.over) : "") + ")";
    case ExprKind::Case:
        return std::string("(CASE") + (e.hasOperand ? "/op" : "") + (e.hasElse ? "/else" : "") +
               List(e.args) + ")";
    case ExprKind::Subquery:
        return Dump(*e.subquery);
    case ExprKind::Exists:
        return "(" + neg + "EXISTS " + Dump(*e.subquery) + ")";
    case ExprKind::In:
        return "(" + neg + "IN" + List(e.args) + (e.subquery ? " " + Dump(*e.subquery) : "") + ")";
    case ExprKind::Between:
        return "(" + neg + "BETWEEN" + List(e.args) + ")";
    case ExprKind::Like:
        return "(" + neg + "LIKE" + List(e.args) + ")";
    case ExprKind::IsNull:
        return "(IS " + neg + "NULL" + List(e.args) + ")";
    case ExprKind::Sequence:
        return e.text + "." + e.qualifier;
    }
    return "?";
}

std::string Dump(const Query& q) {
    std::string out;
    for (const NamedQuery& n : q.with) {
        out += out.empty() ? "WITH " : ", ";
        out += n.name;
        for (size_t i = 0; i < n.columns.size(); ++i)
            out += (i ? "," : "(") + n.columns[i] + (i + 1 == n.columns.size() ? ")" : "");
        out += " AS " + Dump(*n.query);
    }
    out += (out.empty() ? "" : " ") + DumpCore(q.cores[0]);
    for (size_t i = 1; i < q.cores.size(); ++i)
        out += " " + q.setOps[i - 1] + " " + DumpCore(q.cores[i]);
    if (!q.orderBy.empty())
        out += DumpOrder(q.orderBy);
    if (q.offset)
        out += " OFFSET " + Dump(*q.offset);
    if (q.fetchFirst)
        out += " FETCH " + Dump(*q.fetchFirst);
    return out + (q.forUpdate ? " FOR UPDATE" : "");
}

} // namespace orasql
