"""The notebook view of a rule base: its variables and rules as HTML tables."""
from __future__ import annotations

import html
from typing import TYPE_CHECKING, List

if TYPE_CHECKING:
    from ._zorv import RuleBase


def _cell(text: object, tag: str = "td") -> str:
    return f"<{tag}>{html.escape(str(text))}</{tag}>"


def _row(cells: List[str]) -> str:
    return "<tr>" + "".join(cells) + "</tr>"


def rule_base_html(rule_base: "RuleBase") -> str:
    """The variables (name, context, vocabulary, user terms) and the numbered rules of a rule base as HTML."""
    variables = [_row([_cell(h, "th") for h in ("", "variable", "context", "vocabulary", "user terms")])]
    for side, group in (("input", rule_base.inputs), ("output", rule_base.outputs)):
        for v in group:
            variables.append(_row([_cell(side), _cell(v.name), _cell(f"<{v.low:g}, {v.high:g}>"),
                                   _cell(v.vocabulary), _cell(", ".join(v.user_terms))]))
    names = [v.name for v in rule_base.inputs] + [v.name for v in rule_base.outputs]
    rules = [_row([_cell(h, "th") for h in ["", *names]])]
    for number, rule in enumerate(rule_base.rules, 1):
        label = f"{number}." if rule.enabled else f"{number}. (disabled)"
        rules.append(_row([_cell(label), *(_cell(t) for t in [*rule.inputs, *rule.outputs])]))
    return (f"<p><b>{html.escape(rule_base.name or 'rule base')}</b>: {html.escape(rule_base.kind.name.lower())}, "
            f"{html.escape(rule_base.inference_method.display_name)}, "
            f"{html.escape(rule_base.defuzzification_method.display_name)}</p>"
            f"<table>{''.join(variables)}</table><table>{''.join(rules)}</table>")
